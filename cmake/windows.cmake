# The Windows program, and on a Linux build host the checks that run it under
# Wine and inspect the built file.

# The suite is a 32-bit program, so on 64-bit Windows its machine-wide entries
# live in the 32-bit registry view, which only a 32-bit program reaches at the
# plain paths the cleaner uses. A 64-bit build would look in the 64-bit view,
# find nothing and report 0 deletions.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  message(FATAL_ERROR
    "LinkoraCleaner must be built as a 32-bit (x86) Windows program: a 64-bit build "
    "searches the 64-bit registry view, where the 32-bit suite left nothing, and "
    "deletes nothing. Use the windows-x86 preset, MSVC with -A Win32, or MinGW i686.")
endif()

enable_language(RC)

set(win32_platform platform/win32/console.cpp platform/win32/registry.cpp)

add_executable(LinkoraCleaner app/main.cpp ${win32_platform} res/LinkoraCleaner.rc)
target_include_directories(LinkoraCleaner PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/res)
target_link_libraries(LinkoraCleaner PRIVATE cleaner_core shlwapi)

if(MINGW)
  # Small, with nothing that needs the MinGW runtime DLLs, and the same bytes
  # from every build of the same sources: no link time stamp, no build path.
  target_compile_options(cleaner_core PUBLIC
    -fno-exceptions -fno-rtti -ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
  target_link_options(LinkoraCleaner PRIVATE
    -static -s -Wl,--no-insert-timestamp -Wl,--dynamicbase -Wl,--nxcompat)
elseif(MSVC)
  set_property(TARGET LinkoraCleaner cleaner_core PROPERTY MSVC_RUNTIME_LIBRARY MultiThreaded)
  # The manifest comes from the resource script.
  target_link_options(LinkoraCleaner PRIVATE /MANIFEST:NO /DYNAMICBASE /NXCOMPAT /Brepro)
  target_compile_options(cleaner_core PUBLIC /Brepro)
endif()

if(CLEANER_TESTS)
  enable_testing()
  add_executable(readkey_test tests/win32/readkey_test.cpp platform/win32/console.cpp)
  target_link_libraries(readkey_test PRIVATE cleaner_core)
  if(MINGW)
    target_link_options(readkey_test PRIVATE -static)
  endif()
  if(CMAKE_HOST_UNIX)
    include(cmake/wine_tests.cmake)
    if(MINGW)
      include(cmake/artifact_tests.cmake)
    endif()
  endif()
endif()

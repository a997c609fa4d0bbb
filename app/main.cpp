// Entry point of LinkoraCleaner.exe. Command-line arguments are ignored.
#include "app/cleaner.h"

int main() { return RunCleaner(); }

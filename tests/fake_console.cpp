// The in-memory console, and the call log it shares with the fake registry.
#include <deque>

#include "fake_platform.h"
#include "platform/console.h"

namespace fake {
namespace {

std::vector<std::string> log_lines;
std::deque<int> keys;
std::deque<int> keys_after_discard;
std::string output;
std::string unflushed;
int reads_with_unflushed = 0;

}  // namespace

void AppendLog(std::string line) { log_lines.push_back(std::move(line)); }

const std::vector<std::string>& Log() { return log_lines; }

std::vector<std::string> LogOf(const std::string& prefix) {
  std::vector<std::string> lines;
  for (const std::string& line : log_lines)
    if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
  return lines;
}

void ResetConsole() {
  log_lines.clear();
  keys.clear();
  keys_after_discard.clear();
  output.clear();
  unflushed.clear();
  reads_with_unflushed = 0;
}

void QueueKeys(std::initializer_list<int> codes) { keys.insert(keys.end(), codes); }

void QueueKeysAfterDiscard(std::initializer_list<int> codes) {
  keys_after_discard.insert(keys_after_discard.end(), codes);
}

std::size_t KeysLeft() { return keys.size() + keys_after_discard.size(); }

std::string Output() { return output; }

int ReadsWithUnflushedOutput() { return reads_with_unflushed; }

}  // namespace fake

void WriteText(const char* text) noexcept {
  fake::output += text;
  fake::unflushed += text;
  fake::AppendLog(std::string("write ") + text);
}

void FlushOutput() noexcept { fake::unflushed.clear(); }

int ReadKey() noexcept {
  if (!fake::unflushed.empty()) ++fake::reads_with_unflushed;
  int code = kReadKeyFailed;
  if (!fake::keys.empty()) {
    code = fake::keys.front();
    fake::keys.pop_front();
  }
  fake::AppendLog("read " + std::to_string(code));
  return code;
}

void DiscardTypeAhead() noexcept {
  fake::keys.assign(fake::keys_after_discard.begin(), fake::keys_after_discard.end());
  fake::keys_after_discard.clear();
  fake::AppendLog("discard");
}

#pragma once
// What the core hands back instead of showing anything: the exact text the
// user is to see and which kind of box it belongs in. Texts are UTF-8 (they
// are the program's own words, not document text).

#include <optional>
#include <string>
#include <string_view>

namespace verstak {

enum class MessageKind {
  Error,    // caption "Ошибка!", error icon
  Success,  // caption "ОК!", exclamation icon
};

struct UserMessage {
  MessageKind kind = MessageKind::Error;
  std::string text;
  std::string details;  // a second line under the text, or empty

  std::string_view caption() const { return kind == MessageKind::Error ? "Ошибка!" : "ОК!"; }

  static UserMessage Error(std::string text, std::string details = {}) {
    return {MessageKind::Error, std::move(text), std::move(details)};
  }
  static UserMessage Success(std::string text) { return {MessageKind::Success, std::move(text), {}}; }

  friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

// An operation that either succeeds or fails with a message for the user.
using Failure = std::optional<UserMessage>;

inline constexpr std::string_view kDoneMessage = "Выполнено!";

}  // namespace verstak

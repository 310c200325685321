#pragma once
// The one rule for the texts records hold. Every value of a record is one line
// of the record file, so a text may not hold a line end (CR, LF) nor a NUL,
// where a line read back would end. Every text setter of the records refuses
// such a text through SetRecordText; the record file applies the same rule to
// what it writes (CV3File::WriteLineQuiet).
#include <string>
#include <string_view>

namespace v3 {

// The bytes a record text must not hold.
inline constexpr std::string_view kNotInRecordText("\r\n\0", 3);

// A plain loop: the record file asks this of every line it writes, and its
// lines are short.
inline bool IsRecordText(std::string_view text) {
    for (char c : text)
        if (c == '\r' || c == '\n' || c == '\0') return false;
    return true;
}

// Replaces field with text when text is a record text; otherwise returns
// false and field keeps its value.
inline bool SetRecordText(std::string& field, const std::string& text) {
    if (!IsRecordText(text)) return false;
    field = text;
    return true;
}

}  // namespace v3

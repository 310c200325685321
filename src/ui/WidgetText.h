#pragma once
// The text bridge between widgets and records: record texts are code page 1252
// bytes, widgets hold Unicode.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace v3 {

// Record text (code page 1252) for a widget.
QString Qt8(std::string_view cp1252);
// Typed text for a record: none, with the refusal shown ("Fehler!"), when code
// page 1252 cannot hold a character of it.
std::optional<std::string> Text1252(const QString& text);
std::optional<std::string> Text1252(const QLineEdit* feld);

}  // namespace v3

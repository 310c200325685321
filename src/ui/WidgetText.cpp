#include "ui/WidgetText.h"

#include <QLineEdit>

#include "base/AppState.h"
#include "platform/Text1252.h"

namespace v3 {

QString Qt8(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

std::optional<std::string> Text1252(const QString& text) {
    auto r = Utf8ToCp1252(text.toStdString());
    if (!r.text) {
        App().ui->MessageBox(RefusedCharacterMessage(r.badCharacter), "Fehler!", MsgButtons::Ok, MsgIcon::Stop);
        return std::nullopt;
    }
    return r.text;
}

std::optional<std::string> Text1252(const QLineEdit* feld) { return Text1252(feld->text()); }

}  // namespace v3

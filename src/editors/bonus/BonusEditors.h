#pragma once
// The bonus country's menu entry.
class QWidget;

namespace v3 {

class CEditorRegistry;

// Registers Besonderes -> "Neues Bonusland erzeugen".
void RegisterBonusEditors(CEditorRegistry& editors);

// The whole command: the tournament block, the dialog prefilled from the
// bonus country, and on OK its creation, replacement or removal. True when
// the dialog's values were applied.
bool RunBonusLand(QWidget* parent);

}  // namespace v3

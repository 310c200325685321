#pragma once
// "Statistik" (figures over every player, read-only) and "Beste Spieler der
// Welt" (the titles of the world's best players).
#include <array>
#include <functional>
#include <optional>

#include "editors/wettbewerb/rules/Statistik.h"
#include "editors/wettbewerb/rules/WeltBeste.h"
#include "ui/DialogBM.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace v3 {

class CStatistikDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CStatistikDlg(QWidget* parent = nullptr);
    const Statistik& Figures() const { return statistik_; }
    QListWidget* Spieler() const { return spieler_; }
    QListWidget* Staerken() const { return staerken_; }
    QListWidget* Positionen() const { return positionen_; }

private:
    Statistik statistik_;
    QListWidget *spieler_, *staerken_, *positionen_;
};

class CWeltBesteSpielerDlg : public CDialogBM {
    Q_OBJECT
public:
    explicit CWeltBesteSpielerDlg(QWidget* parent = nullptr);
    WeltBesteSpieler& Rules() { return rules_; }
    QPushButton* FaehigkeitKnopf(int n) const { return faehigkeitKnoepfe_[size_t(n - 1)]; }
    QPushButton* PositionKnopf(int n) const { return positionKnoepfe_[size_t(n - 1)]; }
    QLabel* FaehigkeitText(int n) const { return faehigkeitTexte_[size_t(n - 1)]; }
    QLabel* PositionText(int n) const { return positionTexte_[size_t(n - 1)]; }

    // Asks for a slot's new holder: the fetch chooser in its ability (mode 2)
    // or position (mode 3) mode; none when it was cancelled. Replaceable for tests.
    std::function<std::optional<Titelhalter>(int mode, int n)> waehle;

    void OnFaehigkeit(int n);
    void OnPosition(int n);

private:
    void Refresh();
    WeltBesteSpieler rules_;
    std::array<QPushButton*, WeltBesteSpieler::kFaehigkeiten> faehigkeitKnoepfe_{};
    std::array<QPushButton*, WeltBesteSpieler::kPositionen> positionKnoepfe_{};
    std::array<QLabel*, WeltBesteSpieler::kFaehigkeiten> faehigkeitTexte_{};
    std::array<QLabel*, WeltBesteSpieler::kPositionen> positionTexte_{};
};

}  // namespace v3

#pragma once
// One instance per user: the first instance listens on a local socket; a second
// one finds it there, asks it to come forward, and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace v3 {

inline constexpr const char* kFensterKlasse = "KELDRIX VOLTARO 3 DATENEDITOR";

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // key: the name both instances agree on (the window class by default).
    explicit CSingleInstance(QString key = QString(), QObject* parent = nullptr);
    ~CSingleInstance() override;

    // True when no other instance runs (this one then takes the name); false
    // when one runs: it has been asked to come forward.
    bool FirstInstance();

    // The socket name used for a key (per user).
    static QString SocketName(const QString& key);

signals:
    // Another start asked this instance to come forward.
    void activationRequested();

private:
    bool AskRunningInstance();

    QString name_;
    QLocalServer server_;
};

}  // namespace v3

#pragma once
// The flat memo of several lines. Lines set by code fire nothing; every user edit fires
// Modificato.
#include <QPlainTextEdit>
#include <QStringList>

class TFlatMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TFlatMemo(QWidget* owner = nullptr);

    QStringList Lines() const;
    void SetLines(const QStringList& righe);
    QString Text() const { return toPlainText(); }
    void SetText(const QString& testo);

signals:
    void Modificato();

private:
    bool daCodice = false;
};

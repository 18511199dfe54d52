#pragma once
// The banner window: two lines of large text in a framed dark picture, on top of the other
// windows. Nothing in the program shows it yet.
#include <QString>
#include <QWidget>

class TORVDLGMessaggio : public QWidget {
    Q_OBJECT
public:
    explicit TORVDLGMessaggio(QWidget* owner = nullptr);

    const QString& Riga1() const { return riga1; }
    const QString& Riga2() const { return riga2; }
    void SetRiga1(const QString& testo);
    void SetRiga2(const QString& testo);

    // The whole picture at the window's size.
    void Disegna(QPainter& p) const;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    QString riga1;
    QString riga2;
};

#include "controls/Allineamento.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {
const char* const Proprieta = "quenvoxAllineamento";

class SeguiGenitore : public QObject {
public:
    explicit SeguiGenitore(QWidget* genitore) : QObject(genitore) {
        setObjectName(Nome);
        genitore->installEventFilter(this);
    }
    static constexpr const char* Nome = "quenvoxSeguiAllineati";

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize || e->type() == QEvent::LayoutRequest)
            RiallineaFigli(static_cast<QWidget*>(o));
        return false;
    }
};
}  // namespace

std::vector<QRect> DisponiAllineati(QSize area, const std::vector<FiglioAllineato>& figli) {
    std::vector<QRect> risultato;
    for (const auto& f : figli) risultato.push_back(f.geometria);
    QRect resto(QPoint(0, 0), area);
    auto passo = [&](Allineamento quale, auto&& metti) {
        for (std::size_t i = 0; i < figli.size(); ++i)
            if (figli[i].allineamento == quale) risultato[i] = metti(figli[i].geometria);
    };
    passo(Allineamento::Alto, [&](const QRect& g) {
        const int h = std::min(g.height(), std::max(0, resto.height()));
        const QRect r(resto.left(), resto.top(), std::max(0, resto.width()), h);
        resto.setTop(resto.top() + h);
        return r;
    });
    passo(Allineamento::Basso, [&](const QRect& g) {
        const int h = std::min(g.height(), std::max(0, resto.height()));
        const QRect r(resto.left(), resto.bottom() + 1 - h, std::max(0, resto.width()), h);
        resto.setBottom(resto.bottom() - h);
        return r;
    });
    passo(Allineamento::Sinistra, [&](const QRect& g) {
        const int w = std::min(g.width(), std::max(0, resto.width()));
        const QRect r(resto.left(), resto.top(), w, std::max(0, resto.height()));
        resto.setLeft(resto.left() + w);
        return r;
    });
    passo(Allineamento::Destra, [&](const QRect& g) {
        const int w = std::min(g.width(), std::max(0, resto.width()));
        const QRect r(resto.right() + 1 - w, resto.top(), w, std::max(0, resto.height()));
        resto.setRight(resto.right() - w);
        return r;
    });
    passo(Allineamento::Client, [&](const QRect&) {
        return QRect(resto.topLeft(), QSize(std::max(0, resto.width()), std::max(0, resto.height())));
    });
    return risultato;
}

Allineamento AllineamentoDi(const QWidget* figlio) {
    const QVariant v = figlio->property(Proprieta);
    return v.isValid() ? Allineamento(v.toInt()) : Allineamento::Nessuno;
}

void ImpostaAllineamento(QWidget* figlio, Allineamento allineamento) {
    figlio->setProperty(Proprieta, int(allineamento));
    QWidget* genitore = figlio->parentWidget();
    if (!genitore) return;
    if (!genitore->findChild<QObject*>(QLatin1String(SeguiGenitore::Nome), Qt::FindDirectChildrenOnly))
        new SeguiGenitore(genitore);
    RiallineaFigli(genitore);
}

void RiallineaFigli(QWidget* genitore) {
    std::vector<QWidget*> widget;
    std::vector<FiglioAllineato> figli;
    for (QObject* o : genitore->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->isHidden() || AllineamentoDi(w) == Allineamento::Nessuno) continue;
        widget.push_back(w);
        figli.push_back({AllineamentoDi(w), w->geometry()});
    }
    const std::vector<QRect> nuove = DisponiAllineati(genitore->size(), figli);
    for (std::size_t i = 0; i < widget.size(); ++i)
        if (widget[i]->geometry() != nuove[i]) widget[i]->setGeometry(nuove[i]);
}

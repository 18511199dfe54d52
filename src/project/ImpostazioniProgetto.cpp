#include "project/ImpostazioniProgetto.h"

#include <utility>

ListaVoci::ListaVoci(QStringList elenco, int voce, Regola regola)
    : elenco_(std::move(elenco)), regola_(regola)
{
    ImpostaVoce(voce);
}

void ListaVoci::ImpostaVoce(int voce)
{
    if (regola_ == Regola::Correggi && (voce < 1 || voce > NumeroVoci()))
        voce = 1;
    voce_ = voce;
}

QString ListaVoci::Testo() const
{
    if (voce_ < 1 || voce_ > NumeroVoci())
        return {};
    return elenco_.at(voce_ - 1);
}

namespace VociPredefinite {

const QStringList& IntroLista()
{
    static const QStringList voci{
        QStringLiteral("Intro 1 Semplice"),
        QStringLiteral("Intro 2 Logo Oscillante"),
        QStringLiteral("Intro 3 Logo che cade"),
        QStringLiteral("Intro 4 Onde Mare"),
        QStringLiteral("Intro 5 Logo Riflesso"),
        QStringLiteral("Intro 6 Laser"),
        QStringLiteral("Intro 7 Lucciole"),
        QStringLiteral("Intro 8 Logo + comparsa scritte"),
        QStringLiteral("Intro 9 dispo"),
        QStringLiteral("Intro 10 Cerchio Palline"),
    };
    return voci;
}

const QStringList& ProgettoRisoluzione()
{
    static const QStringList voci{QStringLiteral("1280x720"), QStringLiteral("1920x1080")};
    return voci;
}

const QStringList& ProgettoFrameRate()
{
    static const QStringList voci{
        QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("4"),  QStringLiteral("5"),
        QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("15"),
        QStringLiteral("20"), QStringLiteral("24"), QStringLiteral("25"), QStringLiteral("30"),
    };
    return voci;
}

const QStringList& EffettoLensFlareLista()
{
    static const QStringList voci{QStringLiteral("Standard"), QStringLiteral("Lenti 1"),
                                  QStringLiteral("Lenti 2")};
    return voci;
}

const QStringList& EffettiParticelleLista()
{
    static const QStringList voci{
        QStringLiteral("Fuoco"),        QStringLiteral("Bolle di sapone"),
        QStringLiteral("Polvere"),      QStringLiteral("Fumo"),
        QStringLiteral("Palle cadenti"), QStringLiteral("Palle rimbalzanti"),
    };
    return voci;
}

const QStringList& Intro1Lista()
{
    static const QStringList voci{
        QStringLiteral("Testo Fisso"),
        QStringLiteral("Testo Blocco unico Entra a destra, pausa, esce a sinistra"),
        QStringLiteral("Testo righe accodate, Entra a destra, esce a sinistra"),
        QStringLiteral("Testo Entra dal basso ed esce in alto"),
        QStringLiteral("Testo Entra dal basso, pausa, esce in alto"),
        QStringLiteral("Effetto Fade In e Fade Out Testo Blocco unico"),
        QStringLiteral("Effetto Fade In e Fade Out Testo separato"),
        QStringLiteral("Effetto Fade In e Fade Out con zoom testo separato"),
        QStringLiteral("Leggero effetto zoom"),
        QStringLiteral("Prima riga da sx a dx, 2 riga fade in, 3 riga da dx a sx"),
        QStringLiteral("Battitura"),
    };
    return voci;
}

const QStringList& Intro10Colori()
{
    static const QStringList voci{QStringLiteral("Blu"), QStringLiteral("Giallo"),
                                  QStringLiteral("Verde"), QStringLiteral("Rosso"),
                                  QStringLiteral("Bianco")};
    return voci;
}

}  // namespace VociPredefinite

ImpostazioniProgetto::ImpostazioniProgetto()
    : IntroLista(VociPredefinite::IntroLista(), 1),
      ProgettoRisoluzione(VociPredefinite::ProgettoRisoluzione(), 1),
      ProgettoFrameRate(VociPredefinite::ProgettoFrameRate(), 11),
      FontElenco({QStringLiteral("Arial")}, 1, ListaVoci::Regola::Libera),
      EffettoLensFlareLista(VociPredefinite::EffettoLensFlareLista(), 1),
      EffettiParticelleLista(VociPredefinite::EffettiParticelleLista(), 1),
      Intro1Lista(VociPredefinite::Intro1Lista(), 2),
      Intro10Colori(VociPredefinite::Intro10Colori(), 1)
{
}

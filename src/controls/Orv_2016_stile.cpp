#include "controls/Orv_2016_stile.h"

#include "controls/SkinPredefinite.h"
#include "platform/LetturaImmagini.h"

#include <QDir>

QString ORV_2016_Stile::CartellaStiliNumerati;

ORV_2016_Stile::ORV_2016_Stile(QWidget* owner) : ORV_2016_Stile(SenzaSkin{}, owner) {
    resize(114, 36);
    CreaBitmap();
}

ORV_2016_Stile::ORV_2016_Stile(SenzaSkin, QWidget* owner) : QWidget(owner) {
    resize(98, 24);
    // Shown only to a form designer: at run time it must neither show nor take clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setVisible(false);
}

void ORV_2016_Stile::SetImmagine(Skin skin, const QImage& immagine) { skins[skin] = immagine; }

void ORV_2016_Stile::CreaBitmap() {
    using namespace SkinPredefinite;
    for (int fetta = 1; fetta <= 3; ++fetta) {
        skins[ORV_OBJ_Normale1 + fetta - 1] = Corpo(AspettoSkin::Normale, fetta);
        skins[ORV_OBJ_Attivo1 + fetta - 1] = Corpo(AspettoSkin::Attivo, fetta);
        skins[ORV_OBJPremuto1 + fetta - 1] = Corpo(AspettoSkin::Premuto, fetta);
    }
    skins[ORV_CheckLedAcceso] = Led(true);
    skins[ORV_CheckLedSpento] = Led(false);
    skins[ORV_Btn_Apri_Attivo] = BottoneApri(true);
    skins[ORV_Btn_Apri_Normale] = BottoneApri(false);
    skins[ORV_Btn_Attivo_Dx] = Freccia(DirezioneFreccia::Destra, true);
    skins[ORV_Btn_Attivo_Sx] = Freccia(DirezioneFreccia::Sinistra, true);
    skins[ORV_Btn_Attivo_Su] = Freccia(DirezioneFreccia::Su, true);
    skins[ORV_Btn_Attivo_Giu] = Freccia(DirezioneFreccia::Giu, true);
    skins[ORV_Btn_Normale_Dx] = Freccia(DirezioneFreccia::Destra, false);
    skins[ORV_Btn_Normale_Sx] = Freccia(DirezioneFreccia::Sinistra, false);
    skins[ORV_Btn_Normale_Su] = Freccia(DirezioneFreccia::Su, false);
    skins[ORV_Btn_Normale_Giu] = Freccia(DirezioneFreccia::Giu, false);
    skins[ORV_StatoImmagineOff] = Stato(false);
    skins[ORV_StatoImmagineOn] = Stato(true);
}

void ORV_2016_Stile::SetORV_ColoreSfondoScuro(TColor v) {
    if (CambiaValore(coloreSfondoScuro, v)) update();
}
void ORV_2016_Stile::SetORV_ColoreSfondoChiaro(TColor v) {
    if (CambiaValore(coloreSfondoChiaro, v)) update();
}
void ORV_2016_Stile::SetORV_ColoreBordi(TColor v) {
    if (CambiaValore(coloreBordi, v)) update();
}
void ORV_2016_Stile::SetORV_OmbraColore(TColor v) {
    if (CambiaValore(ombraColore, v)) update();
}
void ORV_2016_Stile::SetORV_OmbraDistanza(int v) {
    if (CambiaValore(ombraDistanza, v)) update();
}

void ORV_2016_Stile::SetORV_NumStile(int numero) {
    if (numero < 1 || numero > 8 || CartellaStiliNumerati.isEmpty()) return;
    // File names in loading order, each with the skin it fills.
    static const struct {
        const char* nome;
        Skin skin;
    } file[] = {
        {"OBJAttivo1.bmp", ORV_OBJ_Attivo1},         {"OBJAttivo2.bmp", ORV_OBJ_Attivo2},
        {"OBJAttivo3.bmp", ORV_OBJ_Attivo3},         {"OBJNormale1.bmp", ORV_OBJ_Normale1},
        {"OBJNormale2.bmp", ORV_OBJ_Normale2},       {"OBJNormale3.bmp", ORV_OBJ_Normale3},
        {"OBJPremuto1.bmp", ORV_OBJPremuto1},        {"OBJPremuto2.bmp", ORV_OBJPremuto2},
        {"OBJPremuto3.bmp", ORV_OBJPremuto3},        {"CheckLedAcceso.bmp", ORV_CheckLedAcceso},
        {"CheckLedSpento.bmp", ORV_CheckLedSpento},  {"Btn_Apri_Attivo.bmp", ORV_Btn_Apri_Attivo},
        {"Btn_Apri_Normale.bmp", ORV_Btn_Apri_Normale}, {"StatoImmagineOff.bmp", ORV_StatoImmagineOff},
        {"StatoImmagineOn.bmp", ORV_StatoImmagineOn}, {"Btn_Attivo_Dx.bmp", ORV_Btn_Attivo_Dx},
        {"Btn_Attivo_Giu.bmp", ORV_Btn_Attivo_Giu},  {"Btn_Attivo_Su.bmp", ORV_Btn_Attivo_Su},
        {"Btn_Attivo_Sx.bmp", ORV_Btn_Attivo_Sx},    {"Btn_Normale_Dx.bmp", ORV_Btn_Normale_Dx},
        {"Btn_Normale_Giu.bmp", ORV_Btn_Normale_Giu}, {"Btn_Normale_Su.bmp", ORV_Btn_Normale_Su},
        {"Btn_Normale_Sx.bmp", ORV_Btn_Normale_Sx},
    };
    const QDir cartella(QDir(CartellaStiliNumerati).filePath(QStringLiteral("Stile%1").arg(numero)));
    for (const auto& f : file) {
        // A missing or unreadable file ends the load; the skins read before it stay.
        const ImmagineLetta letta = LeggiImmagine(cartella.filePath(QString::fromLatin1(f.nome)));
        if (!letta.Letta()) break;
        skins[f.skin] = letta.Immagine;
    }
    update();
}

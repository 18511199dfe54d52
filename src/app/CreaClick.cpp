#include "app/CreaClick.h"

namespace {

class Righe {
public:
    void Check(const char* nome, bool v) { Aggiungi(QStringLiteral("%1->Checked=%2;").arg(N(nome), v ? "true" : "false")); }
    void Coppia(const char* nome, const DueColori& c) {
        Colore(nome, "Colore1", c.Colore1);
        Colore(nome, "Colore2", c.Colore2);
    }
    void Forma(const char* nome, ::Colore c) { Colore(nome, "Brush->Color", c); }
    void Slider(const char* nome, int v) { Aggiungi(QStringLiteral("%1->Valore=%2;").arg(N(nome)).arg(v)); }
    void Numero(const char* nome, int v) { Aggiungi(QStringLiteral("%1->ORV_Valore=%2;").arg(N(nome)).arg(v)); }
    void Lista(const char* nome, int v) { Aggiungi(QStringLiteral("%1->ORV_Voce=%2;").arg(N(nome)).arg(v)); }
    void Bottone(const QString& nome, int v) { Aggiungi(QStringLiteral("%1->SelezionatoTipo=%2;").arg(nome).arg(v)); }
    void Testo(const char* nome, const QString& v) { Aggiungi(QStringLiteral("%1->Text=\"%2\";").arg(N(nome), v)); }
    void Caption(const char* nome, const QString& v) {
        Aggiungi(QStringLiteral("%1->Caption=\"%2\";").arg(N(nome), v));
    }
    void Fissa(int tab, const char* testo) { Aggiungi(QString(tab, QLatin1Char('\t')) + QString::fromUtf8(testo)); }

    QStringList Fine() const { return righe; }

private:
    static QString N(const char* nome) { return QLatin1String(nome); }
    void Colore(const char* nome, const char* proprieta, ::Colore c) {
        Aggiungi(QStringLiteral("%1->%2=(TColor) RGB(%3,%4,%5);")
                     .arg(N(nome), N(proprieta))
                     .arg(c & 0xFF)
                     .arg((c >> 8) & 0xFF)
                     .arg((c >> 16) & 0xFF));
    }
    void Aggiungi(const QString& riga) { righe << riga; }
    QStringList righe;
};

}  // namespace

QStringList TestoCreaClick(const ImpostazioniProgetto& m) {
    Righe r;
    r.Check("SfondoCheckSfondoColorato", m.SfondoCheckSfondoColorato);
    if (m.SfondoCheckSfondoColorato) r.Coppia("SfondoColori", m.SfondoColori);
    r.Check("SfondoCheckSfondoTrasparente", m.SfondoCheckSfondoTrasparente);
    r.Check("SfondoCheckSfondoBitmap", m.SfondoCheckSfondoBitmap);
    if (m.SfondoCheckSfondoBitmap) r.Caption("SfondoBitmap", m.SfondoBitmap);
    r.Check("SfondoCheckSfondoFlares", m.SfondoCheckSfondoFlares);

    r.Testo("Testo1", m.Testo1);
    r.Testo("Testo2", m.Testo2);
    r.Testo("Testo3", m.Testo3);
    r.Fissa(0, "Testo->Lines->Clear();");

    const int bottoni[4][5] = {
        {m.AlignT1SX, m.AlignT1Centro, m.AlignT1DX, m.Logo1, m.LogoStyle1},
        {m.AlignT2SX, m.AlignT2Centro, m.AlignT2DX, m.Logo2, m.LogoStyle2},
        {m.AlignT3SX, m.AlignT3Centro, m.AlignT3DX, m.Logo3, m.LogoStyle3},
        {m.AlignT4SX, m.AlignT4Centro, m.AlignT4DX, m.Logo4, m.LogoStyle4},
    };
    for (int riga = 0; riga < 4; ++riga) {
        const QString n = QString::number(riga + 1);
        const QString nomi[5] = {"AlignT" + n + "SX", "AlignT" + n + "Centro", "AlignT" + n + "DX", "Logo" + n,
                                 "LogoStyle" + n};
        for (int b = 0; b < 5; ++b) r.Bottone(nomi[b], bottoni[riga][b]);
    }
    r.Numero("Interlinea", m.Interlinea);
    r.Bottone(QStringLiteral("AlignVAlto"), m.AlignVAlto);
    r.Bottone(QStringLiteral("AlignVCentro"), m.AlignVCentro);
    r.Bottone(QStringLiteral("AlignVBasso"), m.AlignVBasso);

    // The font is re-selected by name, as the presets do.
    r.Fissa(0, "char sfont[256];");
    r.Fissa(0, "char sfont1[256];");
    r.Fissa(0, "strcpy(sfont1,FontElenco->Caption.c_str());");
    r.Fissa(0, "for (int ciclofont=0;ciclofont<FontElenco->ListaPossibiliValori->Count;ciclofont++)");
    r.Fissa(0, "{");
    r.Fissa(1, "strcpy(sfont,FontElenco->ListaPossibiliValori->Strings[ciclofont].c_str());");
    r.Fissa(1, "if (strlen(sfont)==strlen(sfont1))");
    r.Fissa(1, "{");
    r.Fissa(2, "if (strncmp(sfont,sfont1,strlen(sfont))==0)//è lui");
    r.Fissa(2, "{");
    r.Fissa(3, "FontElenco->ListaPossibiliValoriVoce=ciclofont;");
    r.Fissa(3, "FontElenco->ListaPossibiliValoriVoce=ciclofont+1;");
    r.Fissa(2, "}");
    r.Fissa(1, "}");
    r.Fissa(0, "}");

    r.Slider("FontSize", m.FontSize);
    r.Coppia("FontColore", m.FontColore);
    r.Check("FontTrasparente", m.FontTrasparente);
    r.Check("FontBold", m.FontBold);
    r.Check("FontItalic", m.FontItalic);
    r.Check("FontUnderline", m.FontUnderline);
    r.Slider("FontOpacita", m.FontOpacita);

    r.Check("FontGlowCheck", m.FontGlowCheck);
    r.Forma("FontGlowColore", m.FontGlowColore);
    r.Slider("FontGlowSize", m.FontGlowSize);
    r.Forma("FontGlowColoreInterno", m.FontGlowColoreInterno);
    r.Check("Enfatizzare", m.Enfatizzare);

    r.Check("FontOutline1Check", m.FontOutline1Check);
    r.Forma("FontOutline1Colore", m.FontOutline1Colore);
    r.Slider("FontOutline1Size", m.FontOutline1Size);
    r.Slider("FontOutline1Opacita", m.FontOutline1Opacita);
    r.Check("FontOutline2Check", m.FontOutline2Check);
    r.Forma("FontOutline2Colore", m.FontOutline2Colore);
    r.Slider("FontOutline2Size", m.FontOutline2Size);
    r.Slider("FontOutline2Opacita", m.FontOutline2Opacita);

    r.Check("FontShadowCheck", m.FontShadowCheck);
    r.Forma("FontShadowColore", m.FontShadowColore);
    r.Slider("FontShadowSize", m.FontShadowSize);
    r.Slider("FontShadowOpacita", m.FontShadowOpacita);
    r.Slider("FontShadowOffsetX", m.FontShadowOffsetX);
    r.Slider("FontShadowOffsetY", m.FontShadowOffsetY);

    r.Check("EffettiNeveCheck", m.EffettiNeveCheck);
    r.Check("EffettiLensFlareCheck", m.EffettiLensFlareCheck);
    r.Lista("EffettoLensFlareLista", m.EffettoLensFlareLista.Voce());
    r.Check("EffettiParticelleCheck", m.EffettiParticelleCheck);
    r.Lista("EffettiParticelleLista", m.EffettiParticelleLista.Voce());
    r.Numero("EffettiParticelleQuantita", m.EffettiParticelleQuantita);
    r.Numero("EffettiParticelleVita", m.EffettiParticelleVita);
    r.Coppia("EffettiParticelleColore", m.EffettiParticelleColore);
    return r.Fine();
}

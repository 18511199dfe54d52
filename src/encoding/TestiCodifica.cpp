#include "encoding/TestiCodifica.h"

#include <map>

namespace TestiCodifica {

namespace {

// French entries are placeholders as wide as the Italian text; line breaks and the "%1" of a
// value stay, so the value still shows.
QString Segnaposto(const QString& italiano) {
    QString testo = italiano;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i] == QLatin1Char('%') && i + 1 < testo.size() && testo[i + 1].isDigit())
            ++i;
        else if (testo[i] != QLatin1Char('\n'))
            testo[i] = QLatin1Char('#');
    }
    return testo;
}

Testo5 Voce(const char* it, const char* en, const char* es, const char* de) {
    const QString italiano = QString::fromUtf8(it);
    return {italiano, QString::fromUtf8(en), QString::fromUtf8(es), QString::fromUtf8(de), Segnaposto(italiano)};
}

const std::map<VoceFinestra, Testo5>& Tabella() {
    static const std::map<VoceFinestra, Testo5> tabella = {
        {VoceFinestra::Titolo,
         Voce("Codifica del video", "Encoding video", "Codificación de vídeo", "Encoding Video")},
        {VoceFinestra::Creazione, Voce("Creazione del video:", "Creation of the video:", "Creación del video:",
                                       "Erstellung des Videos:")},
        {VoceFinestra::FrameElaborati,
         Voce("Numero di frame elaborati:", "Number of frames processed:", "Número de fotogramas procesados:",
              "Anzahl der Frames verarbeitet:")},
        {VoceFinestra::Velocita, Voce("Velocità di elaborazione:", "Processing speed:",
                                      "Velocidad de procesamiento:", "Verarbeitungsgeschwindigkeit:")},
        {VoceFinestra::Dimensioni, Voce("Dimensioni finali del video:", "Size of the video:", "Tamaño del vídeo:",
                                        "Größe des Videos:")},
        {VoceFinestra::Bitrate, Voce("Bitrate:", "Bitrate:", "Bitrate:", "Bitrate:")},
        {VoceFinestra::Interrompi, Voce("Interrompi", "Stop", "Detener", "Stop")},
        {VoceFinestra::Chiudi, Voce("Chiudi", "Close", "Cerrar", "Schließen")},
        {VoceFinestra::RiepilogoCodec, Voce("Codec:", "Codec:", "Códec:", "Codec:")},
        {VoceFinestra::RiepilogoProfilo, Voce("Profilo:", "Profile:", "Perfil:", "Profil:")},
        {VoceFinestra::RiepilogoVelocita, Voce("Velocità:", "Speed:", "Speed:", "Speed:")},
        {VoceFinestra::RiepilogoQualita, Voce("Qualità:", "Quality:", "Calidad:", "Qualität:")},
        {VoceFinestra::RigaComando,
         Voce("Riga Comando:", "Command Line:", "Línea de comandos:", "Befehlszeile:")},
        {VoceFinestra::VideoCreato,
         Voce("Il video è stato creato correttamente.", "The video was successfully created.",
              "El video fue creado correctamente.", "Das Video wurde erfolgreich erstellt.")},
        {VoceFinestra::ProceduraInterrotta,
         Voce("Procedura interrotta. Vuoi visionare il file LOG ?",
              "Procedure interrupted. Do you want to see the LOG file?",
              "Procedimiento interrumpido. ¿Quieres ver el archivo de registro?",
              "Verfahren unterbrochen. Möchten Sie die LOG-Datei sehen wollen?")},
        {VoceFinestra::Arresto, Voce("Interruzione in corso...", "Stopping...", "Deteniendo...", "Wird angehalten...")},
        {VoceFinestra::FileVideo,
         Voce("Il video è:\n%1", "The video is:\n%1", "El vídeo es:\n%1", "Das Video ist:\n%1")},
        {VoceFinestra::FileLog, Voce("Il file di log è:\n%1", "The log file is:\n%1",
                                     "El archivo de registro es:\n%1", "Die Protokolldatei ist:\n%1")},
        {VoceFinestra::NonBmp, Voce("non è un'immagine BMP: il file non inizia con \"BM\"",
                                    "it is not a BMP picture: the file does not begin with \"BM\"",
                                    "no es una imagen BMP: el archivo no empieza por \"BM\"",
                                    "kein BMP-Bild: die Datei beginnt nicht mit \"BM\"")},
        {VoceFinestra::TestataBmp, Voce("l'intestazione BMP è danneggiata", "its BMP header is damaged",
                                        "la cabecera BMP está dañada", "der BMP-Kopf ist beschädigt")},
        {VoceFinestra::DatiBmpTroncati,
         Voce("i dati dell'immagine sono troncati: %1 byte su %2", "its picture data is cut short: %1 of %2 bytes",
              "los datos de la imagen están cortados: %1 de %2 bytes",
              "die Bilddaten sind abgeschnitten: %1 von %2 Bytes")},
        {VoceFinestra::DatiJpegTroncati, Voce("i dati JPEG sono troncati", "its JPEG data is cut short",
                                              "los datos JPEG están cortados", "die JPEG-Daten sind abgeschnitten")},
        {VoceFinestra::EncoderCrash, Voce("L'encoder è andato in crash", "The encoder crashed",
                                          "El codificador se bloqueó", "Der Encoder ist abgestürzt")},
        {VoceFinestra::EncoderCodice,
         Voce("L'encoder è terminato con il codice %1", "The encoder ended with code %1",
              "El codificador terminó con el código %1", "Der Encoder endete mit Code %1")},
        {VoceFinestra::ScriptNonScritto,
         Voce("Impossibile scrivere lo script di codifica %1: %2", "The encoding script %1 could not be written: %2",
              "No se pudo escribir el script de codificación %1: %2",
              "Das Kodierskript %1 konnte nicht geschrieben werden: %2")},
        {VoceFinestra::VideoNonScritto,
         Voce("L'encoder non ha scritto il video %1", "The encoder did not write the video %1",
              "El codificador no escribió el vídeo %1", "Der Encoder hat das Video %1 nicht geschrieben")},
        {VoceFinestra::VideoIllegibile,
         Voce("Il video %1 non è leggibile: %2", "The video %1 cannot be read: %2", "El vídeo %1 no se puede leer: %2",
              "Das Video %1 kann nicht gelesen werden: %2")},
        {VoceFinestra::SenzaFlussoVideo, Voce("non contiene video", "it holds no video stream",
                                              "no contiene vídeo", "es enthält keinen Videostrom")},
        {VoceFinestra::VideoFrame,
         Voce("Il video contiene %1 frame invece dei %2 attesi", "The video holds %1 frames where %2 were expected",
              "El vídeo contiene %1 fotogramas en lugar de los %2 esperados",
              "Das Video enthält %1 Frames statt der erwarteten %2")},
    };
    return tabella;
}

}  // namespace

QString TestoFinestra(VoceFinestra voce, int lingua) {
    if (lingua < 0 || lingua > 4) lingua = 1;
    return Tabella().at(voce)[static_cast<size_t>(lingua)];
}

}  // namespace TestiCodifica

#include "project/TestiMessaggi.h"

#include "project/ImpostazioniGlobali.h"

const std::vector<RigaMessaggio>& TabellaMessaggi() {
    using V = VoceMessaggio;
    static const std::vector<RigaMessaggio> tabella{
        {V::FrameNonScritto, "Impossibile scrivere il frame:\n%1\n%2", "The frame could not be written:\n%1\n%2"},
        {V::CartellaFrameNonCreata, "Impossibile creare la cartella dei frame:\n%1\n%2",
         "The frame folder could not be made:\n%1\n%2"},
        {V::NonUnaCartella, "non è una cartella", "not a folder"},
        {V::ImmagineIllegibile, "Impossibile leggere l'immagine: %1 (%2)", "The picture could not be read: %1 (%2)"},
        {V::ImmagineTroppoGrande, "immagine troppo grande: %1 x %2 pixel (oltre %3 MB di memoria)",
         "picture too large: %1 x %2 pixels (over %3 MB of memory)"},
        {V::RigaTroppoLunga, "La riga di testo %1 ha %2 caratteri: vengono disegnati solo i primi %3",
         "Text line %1 has %2 characters: only the first %3 are drawn"},
        {V::FrameMancante, "Manca il frame %1: %2", "Frame %1 is missing: %2"},
        {V::FrameIllegibile, "Impossibile leggere il frame %1: %2 (%3)", "Frame %1 cannot be read: %2 (%3)"},
        {V::ListaFrameNonScritta, "Impossibile scrivere l'elenco dei frame:\n%1\n%2",
         "The frame list could not be written:\n%1\n%2"},
        {V::ProgettoNonSalvato, "Il progetto non può essere salvato:\n%1\n\nChiudere comunque?",
         "The project cannot be saved:\n%1\n\nClose anyway?"},
        {V::CartellaOutputNonCreata, "Impossibile creare la cartella:\n%1\nLa cartella di output resta quella di prima.",
         "The folder cannot be created:\n%1\nThe output folder stays as it was."},
        {V::ProgettoDanneggiato,
         "Il file del progetto era danneggiato: è stato letto ciò che si poteva leggere. "
         "Una copia del file com'era è conservata come:\n%1",
         "The project file was damaged: what could be read was loaded. A copy of the "
         "file as it was is kept as:\n%1"},
        {V::ProgettoDanneggiatoSenzaCopia,
         "Il file del progetto era danneggiato: è stato letto ciò che si poteva leggere. "
         "Non è stato possibile conservarne una copia:\n%1",
         "The project file was damaged: what could be read was loaded. No copy of it "
         "could be kept:\n%1"},
        {V::ElencoImmaginiNonSalvato, "Impossibile salvare l'elenco delle immagini:\n%1",
         "The image list could not be saved:\n%1"},
        {V::PercorsoTroppoLungo, "Il percorso scelto è troppo lungo (più di %2 caratteri):\n%1",
         "The chosen path is too long (more than %2 characters):\n%1"},
        {V::ConfigurazioneSalvata, "Configurazione salvata", "Configuration saved"},
        {V::EncoderNonTrovato, "%1 non è stato trovato: installa il pacchetto ffmpeg",
         "%1 was not found: install the ffmpeg package"},
        {V::CaptionGrassetto, "Grassetto", "Bold"},
        {V::CaptionCorsivo, "Corsivo", "Italic"},
        {V::CaptionSottolineato, "Sottolineato", "Underline"},
        {V::CaptionTrasparente, "Trasparente", "Transparent"},
        {V::RigaSfondoFlares, "Sfondo Flares:", "Background Flares:"},
        {V::RigaSfondoIntro2, "Sfondo Intro 2 (Logo che oscilla):", "Background Intro 2 (Logo swinging):"},
        {V::RigaSfondoIntro3, "Sfondo Intro 3 (Logo che cade):", "Background Intro 3 (Logo falling):"},
        {V::RigaSfondoIntro6, "Sfondo Intro 6 (Laser):", "Background Intro 6 (Laser):"},
        {V::RigaLogo, "Logo da utilizzare:", "Logo to be used:"},
        {V::RigaFioccoNeve, "Fiocco di neve %1:", "Snowflake %1:"},
        {V::RigaFlares, "Flares %1:", "Flare %1:"},
        {V::RigaFuoco, "Fuoco %1:", "Fire %1:"},
        {V::RigaBolle, "Bolle di sapone %1:", "Soap bubbles %1:"},
        {V::RigaPolvere, "Polvere:", "Dust:"},
        {V::RigaFumo, "Fumo %1:", "Smoke %1:"},
        {V::RigaOmbra, "Effetto ombra:", "Shadow effect:"},
        {V::RigaCatena, "Catena:", "Chain:"},
        {V::RigaFuocoLaser, "Fuoco Laser %1:", "Laser fire %1:"},
        {V::ProgettoIlleggibile,
         "Impossibile leggere il file del progetto:\n%1\n%2\nSi parte dalle impostazioni predefinite; "
         "il file non sarà sostituito senza chiedertelo.",
         "The project file cannot be read:\n%1\n%2\nThe program starts on the defaults; the file "
         "will not be replaced without asking you."},
        {V::ProgettoIlleggibileSostituire,
         "All'avvio non è stato possibile leggere il file del progetto:\n%1\n%2\n\nSostituirlo con il "
         "progetto attuale? Sì lo sostituisce; No lo lascia com'è e chiude senza salvare.",
         "At start the project file could not be read:\n%1\n%2\n\nReplace it with the current "
         "project? Yes replaces it; No leaves it as it is and closes without saving."},
        {V::ProgettoVersioneNuova,
         "Il file del progetto è stato scritto da una versione più recente di Quenvox (%1), che questa "
         "versione non sa leggere: si usano le impostazioni predefinite.",
         "The project file was written by a newer version of Quenvox (%1), which this version cannot "
         "read: the defaults are used."},
        {V::ProgettoNonRiconosciuto,
         "Il file del progetto non è un progetto che questa versione sa leggere: si usano le "
         "impostazioni predefinite.",
         "The project file is not a project this version can read: the defaults are used."},
        {V::ProgettoTestoMisto,
         "Alcune righe del file del progetto contenevano caratteri non validi, letti come si poteva: "
         "controlla i testi.",
         "Some lines of the project file held characters that are not valid text; they were read as "
         "well as could be: check the texts."},
        {V::CopiaProgettoConservata, "Una copia del file com'era è conservata come:\n%1",
         "A copy of the file as it was is kept as:\n%1"},
        {V::CopiaProgettoNonConservata, "Non è stato possibile conservarne una copia:\n%1",
         "No copy of it could be kept:\n%1"},
        {V::StileNonValido, "Questo file non è uno stile di testo, non è stato applicato:\n%1",
         "This file is not a text style and was not applied:\n%1"},
        {V::TroppeScansioni, "immagine con più di %1 scansioni", "picture with over %1 scans"},
        {V::ImmagineMancante, "il file non esiste", "the file does not exist"},
        {V::ImmagineNonFile, "non è un file", "not a file"},
        {V::FileTroppoGrande, "file troppo grande (%1 MB)", "file far too large (%1 MB)"},
        {V::ImmagineTroppoLenta, "la decodifica richiede più di %1 s", "decoding takes over %1 s"},
        {V::ImmagineSproporzionata, "file troppo grande per un'immagine di %1 x %2 pixel",
         "file far too large for a picture of %1 x %2 pixels"},
        {V::FileTroppoGrandePerImmagine, "file troppo grande per un'immagine", "file far too large for a picture"},
        {V::ImmagineTroncata, "immagine incompleta: è disegnata solo la parte presente",
         "picture incomplete: only the part present is drawn"},
        {V::ImmagineInParte, "L'immagine è incompleta ed è disegnata solo in parte: %1",
         "The picture is incomplete and is drawn only in part: %1"},
        {V::ImmagineTroppiPixel, "immagine troppo grande: %1 x %2 pixel (oltre %3 megapixel)",
         "picture too large: %1 x %2 pixels (over %3 megapixels)"},
        {V::ImmagineTroppaMemoria, "la decodifica di %1 x %2 pixel richiederebbe oltre %3 MB di memoria",
         "decoding %1 x %2 pixels would need over %3 MB of memory"},
        {V::ImmagineInterrotta, "lettura interrotta: la sessione sta finendo", "reading stopped: the session is ending"},
        {V::ImmagineFormatoSconosciuto, "non è un'immagine in un formato conosciuto", "not a picture in a known format"},
        {V::ImmagineFormatoNonAmmesso, "immagine in formato %1, che il programma non legge",
         "a picture in %1 format, which the program does not read"},
        {V::ImmagineDanneggiata, "immagine %1 danneggiata", "damaged %1 picture"},
        {V::ElencoImmaginiTroppoGrande,
         "Il file dell'elenco immagini è troppo grande per essere un elenco (%2 MB), non è stato letto: "
         "si usano le immagini predefinite.\n%1",
         "The image list file is far too large to be a list (%2 MB) and was not read: the default "
         "pictures are used.\n%1"},
        {V::ElencoImmaginiNonFile,
         "Al posto del file dell'elenco immagini c'è una cartella, una pipe o un dispositivo, che non è "
         "stato letto: si usano le immagini predefinite.\n%1",
         "In the place of the image list file there is a folder, a pipe or a device, which was not read: "
         "the default pictures are used.\n%1"},
        {V::SessioniSalvateDaParte,
         "La sessione precedente, chiusa da un'uscita o da uno spegnimento, non si poteva salvare nel file "
         "del progetto: è conservata a parte come:\n%1",
         "The last session, ended by a logout or a shutdown, could not be saved in the project file; it is "
         "kept apart as:\n%1"},
        {V::TestoTagliato, "Il testo \"%1\" ha %2 caratteri: la casella ne tiene %3, il resto non viene salvato.",
         "The text \"%1\" has %2 characters: the box holds %3, the rest is not saved."},
    };
    return tabella;
}

QString TestoMessaggio(VoceMessaggio voce, int lingua) {
    for (const RigaMessaggio& r : TabellaMessaggi())
        if (r.Voce == voce) return QString::fromUtf8(lingua == LinguaItaliano ? r.Italiano : r.Inglese);
    return {};
}

QString TestoMessaggio(VoceMessaggio voce) { return TestoMessaggio(voce, ImpostazioniGlobali.LinguaCorrente); }

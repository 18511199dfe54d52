#!/bin/sh
# Stands in for the encoder: behaves as FINTO_MODO says, writes the last argument as the video.
for a; do ultimo=$a; done
stato() { printf 'frame=%5d fps= 25 q=28.0 size=%8dkB time=00:00:00.%02d bitrate=1234.5kbits/s speed=1x    \r' "$1" "$1" "$1"; }
case "$FINTO_MODO" in
ok)
    echo "ffmpeg version finta" >&2
    echo "Input #0, image2, from 'Frames/Image_%04d.jpg':"
    for n in 1 2 3 4 5; do stato "$n"; done
    printf 'frames=5\n' > "$ultimo"
    printf '\n'
    ;;
errore_dopo)
    for n in 1 2 3 4 5; do stato "$n"; done
    printf 'partial' > "$ultimo"
    echo
    echo "Error writing trailer: No space left on device" >&2
    exit 1
    ;;
senza_video)
    stato 5
    echo
    ;;
breve)
    # As ffmpeg at a gap in the numbering: stops there and still exits with 0.
    for n in 1 2 3; do stato "$n"; done
    printf 'frames=3\n' > "$ultimo"
    echo
    ;;
bugiardo)
    # Says it made every frame and writes noise.
    stato 10
    echo
    head -c 4096 /dev/urandom > "$ultimo"
    ;;
crash)
    for n in 1 2; do stato "$n"; done
    echo
    echo "[mp4 @ 0x55d0c0ffee00] Error muxing a packet" >&2
    printf 'partial' > "$ultimo"
    kill -SEGV $$
    ;;
codice)
    stato 2
    echo
    echo "Press [q] to stop, [?] for help"
    exit 3
    ;;
argomenti)
    for a; do printf 'arg:%s\n' "$a"; done
    stato 5
    echo
    printf 'frames=5\n' > "$ultimo"
    ;;
stdin)
    if [ -t 0 ]; then echo "terminale"; else echo "non terminale"; fi
    echo "letti=$(wc -c | tr -d ' ')"
    printf 'x' > "$ultimo"
    ;;
lento|sordo)
    [ "$FINTO_MODO" = sordo ] && trap '' INT
    sleep 60 &
    echo "figlio=$!"
    printf 'partial' > "$ultimo"
    n=0
    while :; do n=$((n + 1)); stato "$n"; sleep 0.05; done
    ;;
ostinato)
    # Ignores SIGINT and SIGTERM, as does the child it leaves, and prints without end or pause.
    trap '' INT TERM
    sh -c "trap '' INT TERM; while :; do sleep 1; done" &
    echo "figlio=$!"
    printf 'partial' > "$ultimo"
    n=0
    while :; do n=$((n + 1)); stato "$n"; done
    ;;
termina)
    # Ignores SIGINT; at SIGTERM it says so and ends, as an encoder that closes its video cleanly.
    trap '' INT
    trap 'echo "chiuso al SIGTERM"; exit 0' TERM
    printf 'partial' > "$ultimo"
    n=0
    while :; do n=$((n + 1)); stato "$n"; sleep 0.05; done
    ;;
spazzatura)
    # FINTO_BYTE bytes of binary garbage, then the error that ends it.
    stato 1
    head -c "${FINTO_BYTE:-1000}" /dev/urandom
    echo
    echo "Error writing trailer: No space left on device" >&2
    exit 1
    ;;
diluvio)
    # FINTO_RIGHE ordinary lines as fast as the pipe takes them, then the error that ends it.
    stato 1
    yes '[libx264 @ 0x55d0c0ffee00] frame I:1     Avg QP:20.00  size: 12345' | head -n "${FINTO_RIGHE:-1000}"
    echo "Error writing trailer: No space left on device" >&2
    exit 1
    ;;
riga_lunga)
    # One line of FINTO_BYTE letters with no line end in sight, then the error that ends it.
    head -c "${FINTO_BYTE:-1000}" /dev/zero | tr '\0' x
    echo
    echo "Error writing trailer: No space left on device" >&2
    exit 1
    ;;
non_trovato)
    # As the shell when the program is gone.
    echo "ffmpeg: not found" >&2
    exit 127
    ;;
*)
    echo "modo sconosciuto: $FINTO_MODO" >&2
    exit 2
    ;;
esac

#!/bin/sh
# Stands in for ffprobe on the fake encoder's videos: a file that begins "frames=N" holds N
# frames; anything else is not a video.
for a; do ultimo=$a; done
if [ "$(head -c 7 "$ultimo" 2>/dev/null)" = "frames=" ]; then
    sed -n '1s/^frames=//p' "$ultimo"
else
    echo "$ultimo: Invalid data found when processing input" >&2
    exit 1
fi

#!/usr/bin/python3
"""MPO files from Pillow, a writer independent of this project.

  pillow_mpo.py make OUT     writes a stereo pair in the camera layout (SOI,
                             APP1 Exif, APP2 MPF) and prints the file position
                             of each picture, as Pillow reads the MP index
  pillow_mpo.py decode FILE  decodes each JPEG file and prints its width,
                             height and the colour at its centre
"""
import sys

from PIL import Image

# Pillow 9.4 writes a sound MP index for two pictures (a stereo pair), not more.
COLOURS = [(200, 40, 40), (40, 40, 200)]


def make(out):
    images = [Image.new("RGB", (96, 64), colour) for colour in COLOURS]
    exif = Image.Exif()
    exif[0x010F] = "mpoview tests"
    images[0].save(out, "MPO", save_all=True, append_images=images[1:], exif=exif, quality=90)
    with open(out, "rb") as f:
        data = f.read()
    # Pillow starts with a JFIF APP0 segment; cameras start with APP1 Exif.
    # The MP offsets count from the MP header, so they stay valid.
    assert data[2:4] == b"\xff\xe0"
    app0_end = 4 + int.from_bytes(data[4:6], "big")
    data = data[:2] + data[app0_end:]
    with open(out, "wb") as f:
        f.write(data)
    mp_header = data.index(b"MPF\0") + 4
    with Image.open(out) as image:
        for entry in image.mpinfo[0xB002]:
            offset = entry["DataOffset"]
            print(offset + mp_header if offset else 0)


def decode(files):
    for name in files:
        with Image.open(name) as image:
            image.load()
            r, g, b = image.convert("RGB").getpixel((image.width // 2, image.height // 2))
            print(image.format, image.width, image.height, r, g, b)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
    elif len(sys.argv) >= 3 and sys.argv[1] == "decode":
        decode(sys.argv[2:])
    else:
        sys.exit(__doc__)

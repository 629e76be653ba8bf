#!/usr/bin/python3
"""MPO files from Pillow, a writer independent of this project.

  pillow_mpo.py make OUT     writes a stereo pair in Pillow's layout (SOI, APP0
                             JFIF, APP1 Exif, APP2 MPF, APP2 ICC profile) and
                             prints the file position of the MP segment, then
                             that of each picture, as Pillow reads the MP index
  pillow_mpo.py decode FILE  decodes each JPEG file and prints its width,
                             height, the colour at its centre and whether it
                             carries an ICC profile
  pillow_mpo.py frames FILE  opens each file and prints its format and, for
                             each of its frames, a digest of its pixels
"""
import hashlib
import sys

from PIL import Image, ImageCms

# Pillow 9.4 writes a sound MP index for two pictures (a stereo pair), not more.
COLOURS = [(200, 40, 40), (40, 40, 200)]


def make(out):
    images = [Image.new("RGB", (96, 64), colour) for colour in COLOURS]
    exif = Image.Exif()
    exif[0x010F] = "mpoview tests"
    profile = ImageCms.ImageCmsProfile(ImageCms.createProfile("sRGB")).tobytes()
    images[0].save(out, "MPO", save_all=True, append_images=images[1:], exif=exif, quality=90, icc_profile=profile)
    with open(out, "rb") as f:
        data = f.read()
    mp_header = data.index(b"MPF\0") + 4
    print(mp_header - 8)
    with Image.open(out) as image:
        for entry in image.mpinfo[0xB002]:
            offset = entry["DataOffset"]
            print(offset + mp_header if offset else 0)


def decode(files):
    for name in files:
        with Image.open(name) as image:
            image.load()
            r, g, b = image.convert("RGB").getpixel((image.width // 2, image.height // 2))
            print(image.format, image.width, image.height, r, g, b, "icc" if image.info.get("icc_profile") else "-")


def frames(files):
    for name in files:
        with Image.open(name) as image:
            for frame in range(getattr(image, "n_frames", 1)):
                image.seek(frame)
                pixels = image.convert("RGB").tobytes()
                print(image.format, frame + 1, hashlib.sha1(pixels).hexdigest())


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
    elif len(sys.argv) >= 3 and sys.argv[1] == "decode":
        decode(sys.argv[2:])
    elif len(sys.argv) >= 3 and sys.argv[1] == "frames":
        frames(sys.argv[2:])
    else:
        sys.exit(__doc__)

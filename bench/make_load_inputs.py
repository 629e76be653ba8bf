#!/usr/bin/python3
"""Inputs for the viewer's load run: FOLDER/shot_0001.MPO ... a number of
stereo pairs written by Pillow (an independent writer), each with pictures of
their own, and FOLDER/zz_long.MPO with many pictures joined by mpojoin.
usage: make_load_inputs.py MPOJOIN FOLDER FILES PICTURES"""
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw


def picture(seed, shift=0):
    im = Image.new("RGB", (640, 480), ((seed * 37) % 256, (seed * 91) % 256, (seed * 53) % 256))
    draw = ImageDraw.Draw(im)
    for i in range(12):
        x, y = (seed * 17 + i * 53) % 600, (seed * 29 + i * 41) % 440
        draw.rectangle((x - shift, y, x - shift + 40, y + 40), fill=((i * 70) % 256, (seed + i * 30) % 256, 90))
    return im


def main():
    mpojoin, folder, files, pictures = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    os.makedirs(folder, exist_ok=True)
    for n in range(1, files + 1):
        left, right = picture(n), picture(n, 8)
        left.save(os.path.join(folder, "shot_%04d.MPO" % n), "MPO", save_all=True, append_images=[right], quality=85)
    with tempfile.TemporaryDirectory() as tmp:
        names = []
        for n in range(pictures):
            names.append(os.path.join(tmp, "p%03d.jpg" % n))
            picture(10000 + n).save(names[-1], quality=85)
        subprocess.run([mpojoin, "-t", "multi-angle", "-o", os.path.join(folder, "zz_long.MPO")] + names,
                       check=True, stdout=subprocess.DEVNULL)


main()

#!/usr/bin/env python3
"""Gathers the seed corpus of every fuzz target into fuzz/corpus/<target>/.

Sheets come from tests/data and examples (small files only, so the fuzzers stay
fast and the committed corpus small); documents, palette files and export inputs
are also built here, since few exist as files. A seed's name keeps the path it
came from. Usage: fuzz/gather_seeds.py [--max-size BYTES] [EXTRA_DIR...]
"""
import argparse
import pathlib
import shutil
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"
SHEET_EXTENSIONS = {"bmp": [".bmp"], "iff": [".iff", ".lbm", ".ilbm"], "gbr": [".gbr"], "png": [".png"]}


def files_under(dirs, extensions, max_size):
    for base in dirs:
        if not base.is_dir():
            continue
        for path in sorted(base.rglob("*")):
            if path.is_file() and path.suffix.lower() in extensions and path.stat().st_size <= max_size:
                yield base, path


def seed_name(base, path):
    return (base.name + "/" + str(path.relative_to(base))).replace("/", "_")


def pxo_string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data


def pxo_frame(valid, rect=(0, 0, 0, 0), offset=(0, 0)):
    if not valid:
        return struct.pack("<I", 0)
    return struct.pack("<I", 1) + struct.pack("<ii", *offset) + struct.pack("<iiii", *rect)


def pxo_document(path, animations, current=-1, selection=(0, 0, -1, 0), selected=False, frame=1):
    body = b"PXOV1.01" + pxo_string(path) + struct.pack("<iii", 160, 144, 4)
    body += struct.pack("<iiii", *selection) + bytes([1 if selected else 0]) + struct.pack("<i", frame)
    body += struct.pack("<i", len(animations))
    for name, frames in animations:
        body += pxo_string(name) + struct.pack("<I", len(frames)) + b"".join(frames)
    return body + struct.pack("<i", current)


def built_documents():
    # "sheet.bmp" is found beside the document by the fuzz target's fixture.
    walk = [pxo_frame(True, (8, 0, 24, 8), (-8, -4)), pxo_frame(False), pxo_frame(True, (0, 8, 32, 24), (0, 0))]
    yield "built_empty.pxo", pxo_document("sheet.bmp", [])
    yield "built_two_animations.pxo", pxo_document(
        "/elsewhere/sheet.bmp", [("Walk Left", walk), ("Idle", [pxo_frame(True, (0, 0, 8, 8))])], current=1,
        selection=(8, 8, 16, 16), selected=True, frame=2)
    yield "built_no_frames.pxo", pxo_document("sheet.bmp", [("", [])], current=0)


def strip_head(document):
    (count,) = struct.unpack_from("<I", document, 8)
    return document[12 + count:]


def palette_line(words):
    return "\t\t\t\t\t\tdw\t\t" + ", ".join("$%04x" % w for w in words) + "\r\n"


def built_palette_files():
    yield "built_palettedata.asm", (";// PALETTE DATA\r\nPaletteData:\r\n" + palette_line([0x7fff, 0, 0x1f, 0x3e0])
                                    + palette_line([0x7c00, 0x0c41, 0x021f, 0x8000]) + "\r\n").encode()
    yield "built_short_values.asm", b"junk\nPaletteData:\nPaletteData:\n\tdw $7, $ab,$1234\n\tdw\n\tdb 1\n"
    yield "built_no_section.asm", b"NumberOfPalettes: db 2\r\n"


def export_input(flags, animations, wide=False):
    out = bytes([flags, len(animations)])
    for name, frames, edit in animations:
        out += bytes([len(name)]) + name.encode() + bytes([len(frames)])
        for frame in frames:
            if frame is None:
                out += b"\0"
                continue
            out += b"\1"
            fmt = "<i" if wide else "<b"
            out += b"".join(struct.pack(fmt, v) for v in frame)
        out += bytes([edit])
    return out


def built_export_inputs():
    whole = (0, 0, 32, 24, -16, -12)
    row = (8, 0, 32, 8, 0, 0)
    yield "built_whole_sheet", export_input(0, [("Sheet", [whole], 0)])
    yield "built_first_trans", export_input(2, [("Walk Left", [row, None, (0, 8, 16, 16, 4, 4)], 0)])
    yield "built_force_first_palette", export_input(1 | 2 | 4, [("A", [whole], 0), ("B", [row], 0x81)])
    yield "built_wide", export_input(8, [("Wide", [(0, 0, 32, 24, -100000, 7)], 0x45)], wide=True)
    yield "built_no_animations", export_input(1, [])


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_rows(width, height, colour_type, depth, xs=None, ys=None):
    """Unfiltered rows of a test pattern; xs/ys select the pixels of one interlace pass."""
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
    out = b""
    for y in ys if ys is not None else range(height):
        bits = []
        for x in xs if xs is not None else range(width):
            for c in range(channels):
                v = (x * 37 + y * 101 + c * 59) & ((1 << depth) - 1)
                bits.append(v)
        row = bytearray()
        if depth >= 8:
            for v in bits:
                row += v.to_bytes(depth // 8, "big")
        else:
            acc, n = 0, 0
            for v in bits:
                acc, n = (acc << depth) | v, n + depth
                if n == 8:
                    row.append(acc)
                    acc, n = 0, 0
            if n:
                row.append(acc << (8 - n))
        out += b"\0" + bytes(row)
    return out


ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png_file(width, height, colour_type, depth, interlaced=False, palette=None, extra=b""):
    if interlaced:
        data = b"".join(png_rows(width, height, colour_type, depth, range(x0, width, dx), range(y0, height, dy))
                        for x0, y0, dx, dy in ADAM7 if x0 < width and y0 < height)
    else:
        data = png_rows(width, height, colour_type, depth)
    out = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0,
                                                                    1 if interlaced else 0))
    if palette is not None:
        out += png_chunk(b"PLTE", bytes(palette))
    return out + extra + png_chunk(b"IDAT", zlib.compress(data)) + png_chunk(b"IEND", b"")


def built_pngs():
    for colour_type, depths in ((3, (1, 2, 4, 8)), (0, (1, 2, 4, 8, 16)), (2, (8, 16)), (4, (8, 16)), (6, (8, 16))):
        for depth in depths:
            palette = [(i * 7) & 0xFF for i in range(3 * min(1 << depth, 6))] if colour_type == 3 else None
            for interlaced in (False, True):
                name = "built_type%d_depth%d%s.png" % (colour_type, depth, "_interlaced" if interlaced else "")
                yield name, png_file(11, 9, colour_type, depth, interlaced, palette)
    yield "built_trns.png", png_file(5, 3, 3, 4, palette=[1, 2, 3, 4, 5, 6], extra=png_chunk(b"tRNS", b"\0"))


def bmp_file(info, table=b"", pixels=b""):
    offset = 14 + len(info) + len(table)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + table + pixels


def bmp_info(size, width, height, bits, compression, masks=()):
    info = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, 0, 0, 0, 0, 0)
    info += b"".join(struct.pack("<I", m) for m in masks)
    return info + b"\0" * (size - len(info)) if size > 40 else info


def built_bmps():
    """The variants beyond the 40-byte header: OS/2 1.x, bit fields, 16 bits, run-length deltas."""
    yield "built_os2_core.bmp", bmp_file(struct.pack("<IHHHH", 12, 5, 3, 1, 4), bytes(range(48)), bytes(range(12)))
    pixels16 = bytes(range(7, 7 + 8 * 3))
    yield "built_16_555.bmp", bmp_file(bmp_info(40, 4, -3, 16, 0), pixels=pixels16)
    yield "built_16_565_v4.bmp", bmp_file(bmp_info(108, 4, 3, 16, 3, (0xF800, 0x7E0, 0x1F, 0)), pixels=pixels16)
    yield "built_32_bitfields.bmp", bmp_file(bmp_info(40, 2, 2, 32, 3) + struct.pack("<III", 0xFF, 0xFF00, 0xFF0000),
                                             pixels=bytes(range(16)))
    yield "built_32_alpha_v5.bmp", bmp_file(bmp_info(124, 2, 2, 32, 3, (0xFF00, 0xFF0000, 0xFF000000, 0xFF)),
                                            pixels=bytes(range(16)))
    rle = bytes([2, 5, 0, 2, 1, 1, 3, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 2, 9, 9, 0, 1])
    yield "built_rle8_delta.bmp", bmp_file(bmp_info(40, 8, 4, 8, 1), bytes(4 * 256), rle)
    yield "built_rle4_delta.bmp", bmp_file(bmp_info(40, 8, 4, 4, 2), bytes(4 * 16), rle)


def iff_chunk(kind, data):
    return kind + struct.pack(">I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def iff_form(kind, chunks):
    inner = kind + b"".join(chunks)
    return b"FORM" + struct.pack(">I", len(inner)) + inner


def iff_bmhd(width, height, planes, compression=0, masking=0):
    return iff_chunk(b"BMHD", struct.pack(">HHhhBBBBHBBhh", width, height, 0, 0, planes, masking, compression, 0, 0,
                                           10, 11, width, height))


def built_iffs():
    """Masking 1 to 3, chunky FORM PBM, and a palette without a body."""
    cmap = iff_chunk(b"CMAP", bytes(range(3 * 16)))
    yield "built_mask_plane.iff", iff_form(b"ILBM", [iff_bmhd(16, 2, 4, 0, 1), cmap, iff_chunk(b"BODY", bytes(range(20)))])
    yield "built_transparent.iff", iff_form(b"ILBM", [iff_bmhd(16, 2, 4, 1, 2), cmap,
                                                      iff_chunk(b"BODY", bytes([0xF1, 0x55] * 8))])
    yield "built_pbm.lbm", iff_form(b"PBM ", [iff_bmhd(5, 3, 8, 0, 2), cmap, iff_chunk(b"BODY", bytes(range(18)))])
    yield "built_pbm_byterun1.lbm", iff_form(b"PBM ", [iff_bmhd(6, 3, 8, 1), cmap,
                                                       iff_chunk(b"BODY", bytes([0xFB, 3, 1, 1, 2, 0xFD, 4, 0xFB, 9]))])
    yield "built_palette_only.iff", iff_form(b"ILBM", [iff_bmhd(8, 8, 4), cmap])


def write_seeds(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds:
        (folder / name).write_bytes(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--max-size", type=int, default=12 * 1024)
    parser.add_argument("extra", nargs="*", type=pathlib.Path)
    args = parser.parse_args()
    dirs = [ROOT / "tests" / "data", ROOT / "examples"] + args.extra

    if CORPUS.exists():
        shutil.rmtree(CORPUS)
    for target, extensions in SHEET_EXTENSIONS.items():
        write_seeds(target, ((seed_name(b, p), p.read_bytes()) for b, p in files_under(dirs, extensions, args.max_size)))

    write_seeds("png", built_pngs())
    write_seeds("bmp", built_bmps())
    write_seeds("iff", built_iffs())

    documents = [(seed_name(b, p), p.read_bytes()) for b, p in files_under(dirs, [".pxo"], args.max_size)]
    documents += list(built_documents())
    write_seeds("pxo", documents)
    write_seeds("pxo_sheet", ((name, strip_head(data)) for name, data in documents if len(data) >= 12))

    palettes = [(seed_name(b, p), p.read_bytes()) for b, p in files_under(dirs, [".asm"], args.max_size)]
    write_seeds("palette_file", palettes + list(built_palette_files()))
    write_seeds("export", built_export_inputs())

    total = sum(f.stat().st_size for f in CORPUS.rglob("*") if f.is_file())
    print("corpus: %d files, %d bytes" % (sum(1 for f in CORPUS.rglob("*") if f.is_file()), total))


if __name__ == "__main__":
    main()

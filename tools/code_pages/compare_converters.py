#!/usr/bin/env python3
"""Compares other converters with the kept Windows tables, pair by pair.

  tools/code_pages/compare_converters.py

For every two-byte pair of code pages 932 and 950 it takes the first character as Foalix
does (the pair; failing that, its first byte; failing that, U+FFFD) through glibc's iconv
and through Python's codecs, and prints where they differ from savedata/code_pages/*.bin,
as ranges of pairs with an example. Run by hand, once, when a converter is in question.
"""
import ctypes
import ctypes.util
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
TABLES = HERE.parent.parent / "savedata" / "code_pages"
libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4


def glibc(charset):
    cd = libc.iconv_open(b"UTF-16LE", charset.encode())
    if cd in (None, ctypes.c_void_p(-1).value):
        return None

    def convert(data):
        libc.iconv(cd, None, None, None, None)
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(32)
        inptr = ctypes.c_char_p(ctypes.addressof(inbuf))
        outptr = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft, outleft = ctypes.c_size_t(len(data)), ctypes.c_size_t(32)
        result = libc.iconv(cd, ctypes.byref(inptr), ctypes.byref(inleft),
                            ctypes.byref(outptr), ctypes.byref(outleft))
        if result == ctypes.c_size_t(-1).value or inleft.value:
            return None
        libc.iconv(cd, None, None, ctypes.byref(outptr), ctypes.byref(outleft))
        return outbuf.raw[:32 - outleft.value].decode("utf-16le")
    return convert


def python(codec):
    def convert(data):
        try:
            return data.decode(codec)
        except UnicodeDecodeError:
            return None
    return convert


def first_characters(convert):
    table = []
    for pair in range(0x10000):
        data = bytes([pair >> 8, pair & 0xFF])
        text = convert(data) or convert(data[:1])
        table.append(ord(text[0]) if text else 0xFFFD)
    return table


def ranges(pairs):
    """Consecutive pairs joined into (first, last) ranges."""
    out = []
    for p in pairs:
        if out and p == out[-1][1] + 1:
            out[-1][1] = p
        else:
            out.append([p, p])
    return out


def report(name, table, reference):
    differing = [p for p in range(0x10000) if table[p] != reference[p]]
    print(f"  {name}: {len(differing)} pairs differ")
    by_kind = {}
    for p in differing:
        kind = ("converter rejects" if table[p] == 0xFFFD else
                "Windows rejects" if reference[p] == 0xFFFD else "other character")
        by_kind.setdefault(kind, []).append(p)
    for kind, pairs in by_kind.items():
        spans = ranges(pairs)
        shown = ", ".join(f"{a:04X}" if a == b else f"{a:04X}-{b:04X}" for a, b in spans[:12])
        example = pairs[0]
        print(f"    {kind}: {len(pairs)} pairs in {len(spans)} ranges: {shown}"
              f"{' …' if len(spans) > 12 else ''}; e.g. {example:04X} Windows U+{reference[example]:04X},"
              f" converter U+{table[example]:04X}")


for code_page, converters in [
        (932, [("glibc CP932", glibc("CP932")), ("glibc SHIFT_JIS", glibc("SHIFT_JIS")),
               ("Python cp932", python("cp932")), ("Python shift_jis", python("shift_jis"))]),
        (950, [("glibc CP950", glibc("CP950")), ("glibc BIG5", glibc("BIG5")),
               ("glibc BIG5-HKSCS", glibc("BIG5-HKSCS")), ("Python cp950", python("cp950")),
               ("Python big5", python("big5")), ("Python big5hkscs", python("big5hkscs"))])]:
    reference = struct.unpack("<65536H", (TABLES / f"{code_page}.bin").read_bytes())
    print(f"code page {code_page}:")
    for name, convert in converters:
        if convert is None:
            print(f"  {name}: not available")
            continue
        report(name, first_characters(convert), reference)

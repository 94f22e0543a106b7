#!/usr/bin/env python3
"""Writes src/platform/cp932_table.inc, the code page 932 tables of the codec.

The round-trip entries come from the machine's glibc converter ("CP932", through iconv(3)),
checked code by code against Python's own cp932 codec, which is built from Microsoft's
published table. On top of them come the rules in which Windows differs from both:

  - the single bytes 0x80, 0xA0 and 0xFD-0xFF, which Windows decodes to U+0080 and
    U+F8F0-U+F8F3 and glibc rejects;
  - for every character with several codes, the one code Windows writes: JIS X 0208 first,
    then NEC row 13 (lead byte 0x87), then the IBM extensions (0xFA-0xFC), never the
    NEC-selected IBM extensions (0xED, 0xEE);
  - a few characters that Linux input methods type where Windows has a full-width form,
    written as that form.

Usage: tools/gen-cp932-table.py [output]   (default: src/platform/cp932_table.inc)
"""

import collections
import ctypes
import ctypes.util
import os
import sys

LEAD_BYTES = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAIL_FIRST, TRAIL_LAST = 0x40, 0xFC
TRAIL_INVALID = 0x7F

# Single bytes Windows decodes although no character set assigns them.
WINDOWS_SINGLE_BYTES = {0x80: 0x0080, 0xA0: 0xF8F0, 0xFD: 0xF8F1, 0xFE: 0xF8F2, 0xFF: 0xF8F3}

# The user-defined area: lead bytes 0xF0-0xF9, 188 codes each, from U+E000 on.
USER_DEFINED_LEADS = range(0xF0, 0xFA)

# Fixed points of Microsoft's table where other Shift_JIS tables differ; the source must agree.
WINDOWS_ANCHORS = {0x5C: 0x005C, 0x7E: 0x007E, 0x8160: 0xFF5E, 0x817C: 0xFF0D, 0x815C: 0x2015,
                   0x8161: 0x2225, 0x8191: 0xFFE0, 0x8192: 0xFFE1, 0x81CA: 0xFFE2}

# Encoding only: what Linux input methods type for characters Windows holds in full width.
BEST_FIT = {0x301C: 0x8160,  # WAVE DASH -> FULLWIDTH TILDE
            0x2212: 0x817C,  # MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
            0x2016: 0x8161,  # DOUBLE VERTICAL LINE -> PARALLEL TO
            0x2014: 0x815C,  # EM DASH -> HORIZONTAL BAR
            0x00A2: 0x8191,  # CENT SIGN -> FULLWIDTH CENT SIGN
            0x00A3: 0x8192,  # POUND SIGN -> FULLWIDTH POUND SIGN
            0x00AC: 0x81CA}  # NOT SIGN -> FULLWIDTH NOT SIGN

# How many characters Microsoft's table gives more than one code.
EXPECTED_SHARED_CHARACTERS = 396


def fail(message):
    sys.exit("gen-cp932-table: " + message)


class Iconv:
    """One glibc conversion descriptor, converting a whole buffer or reporting failure."""

    def __init__(self, to_code, from_code):
        self.libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self.libc.iconv_open.restype = ctypes.c_void_p
        self.libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        self.libc.iconv.restype = ctypes.c_size_t
        self.libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
        self.cd = self.libc.iconv_open(to_code.encode(), from_code.encode())
        if self.cd in (None, ctypes.c_void_p(-1).value):
            fail(f"iconv cannot convert from {from_code} to {to_code}")

    def convert(self, data):
        self.libc.iconv(self.cd, None, None, None, None)
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(16)
        inptr = ctypes.c_char_p(ctypes.addressof(inbuf))
        inleft = ctypes.c_size_t(len(data))
        outptr = ctypes.c_char_p(ctypes.addressof(outbuf))
        outleft = ctypes.c_size_t(len(outbuf))
        result = self.libc.iconv(self.cd, ctypes.byref(inptr), ctypes.byref(inleft),
                                 ctypes.byref(outptr), ctypes.byref(outleft))
        if result == ctypes.c_size_t(-1).value or inleft.value:
            return None
        # Flush any pending state; a stateless converter writes nothing here.
        self.libc.iconv(self.cd, None, None, ctypes.byref(outptr), ctypes.byref(outleft))
        return outbuf.raw[:len(outbuf) - outleft.value]


def all_codes():
    yield from (b for b in range(256) if b not in LEAD_BYTES)
    for lead in LEAD_BYTES:
        for trail in range(TRAIL_FIRST, TRAIL_LAST + 1):
            if trail != TRAIL_INVALID:
                yield lead << 8 | trail


def code_bytes(code):
    return bytes([code]) if code < 0x100 else code.to_bytes(2, "big")


def python_decode(code):
    try:
        text = code_bytes(code).decode("cp932")
    except UnicodeDecodeError:
        return None
    return ord(text) if len(text) == 1 else None


def build_decoding():
    """code -> BMP character, for every code Windows decodes."""
    decoder = Iconv("UTF-16BE", "CP932")
    table = {}
    for code in all_codes():
        out = decoder.convert(code_bytes(code))
        if out is not None:
            if len(out) != 2:
                fail(f"iconv gives {out.hex()} for {code:X}, not one BMP character")
            table[code] = int.from_bytes(out, "big")
    for byte, char in WINDOWS_SINGLE_BYTES.items():
        if byte in table:
            fail(f"iconv now decodes {byte:02X}; check the Windows-only rules")
        table[byte] = char
    for index, lead in enumerate(USER_DEFINED_LEADS):
        trails = [t for t in range(TRAIL_FIRST, TRAIL_LAST + 1) if t != TRAIL_INVALID]
        for offset, trail in enumerate(trails):
            char = 0xE000 + index * len(trails) + offset
            code = lead << 8 | trail
            if table.setdefault(code, char) != char:
                fail(f"iconv decodes the user-defined code {code:X} to {table[code]:X}")
    for code, char in WINDOWS_ANCHORS.items():
        if table.get(code) != char:
            fail(f"{code:X} decodes to {table.get(code, 0):X}, Windows gives {char:X}")
    for code in all_codes():
        if python_decode(code) != table.get(code):
            fail(f"glibc and Microsoft's table disagree on {code:X}")
    return table


def code_rank(code):
    """Lower is preferred when a character has several codes."""
    lead = code >> 8
    if lead == 0:
        return 0  # single byte
    if lead == 0x87:
        return 2  # NEC row 13
    if 0xFA <= lead <= 0xFC:
        return 3  # IBM extensions
    if lead in (0xED, 0xEE):
        return 9  # NEC-selected IBM extensions: never written
    return 1  # JIS X 0208


def build_preferences(table):
    """character -> the code written for it, for the characters with several codes."""
    codes = collections.defaultdict(list)
    for code, char in table.items():
        codes[char].append(code)
    shared = {char: min(found, key=lambda c: (code_rank(c), c))
              for char, found in codes.items() if len(found) > 1}
    if len(shared) != EXPECTED_SHARED_CHARACTERS:
        fail(f"{len(shared)} characters with several codes, expected "
             f"{EXPECTED_SHARED_CHARACTERS}")
    encoder = Iconv("CP932", "UTF-16BE")
    for char, code in shared.items():
        if code_rank(code) == 9:
            fail(f"U+{char:04X} has no code outside 0xED/0xEE")
        out = encoder.convert(char.to_bytes(2, "big"))
        if out != code_bytes(code):
            fail(f"glibc writes U+{char:04X} as {out.hex() if out else None}, rule gives {code:X}")
    for char, code in BEST_FIT.items():
        if char in codes:
            fail(f"best-fit character U+{char:04X} already has a code")
        if encoder.convert(char.to_bytes(2, "big")) != code_bytes(code):
            fail(f"glibc writes U+{char:04X} other than {code:X}")
    return shared


def hex_rows(values, per_line, indent="    "):
    lines = []
    for start in range(0, len(values), per_line):
        chunk = values[start:start + per_line]
        lines.append(indent + ", ".join(f"0x{v:04X}" for v in chunk) + ",")
    return "\n".join(lines)


def write_table(path, table, shared):
    lead_marker = 0xFFFF
    single = [lead_marker if b in LEAD_BYTES else table.get(b, 0) for b in range(256)]
    out = []
    out.append("// Generated by tools/gen-cp932-table.py from glibc's CP932 converter and the")
    out.append("// Windows-only rules listed there. Do not edit; run the script again.")
    out.append("// clang-format off")
    out.append("")
    out.append("// Byte -> character for the single bytes; 0xFFFF marks a lead byte.")
    out.append("constexpr char16_t kSingleByte[256] = {")
    out.append(hex_rows(single, 8))
    out.append("};")
    out.append("")
    out.append(f"constexpr int kTrailFirst = 0x{TRAIL_FIRST:02X};")
    out.append(f"constexpr int kTrailLast = 0x{TRAIL_LAST:02X};")
    out.append(f"constexpr int kLeadRows = {len(LEAD_BYTES)};")
    out.append(f"constexpr int kTrailColumns = {TRAIL_LAST - TRAIL_FIRST + 1};")
    out.append("")
    out.append("// [lead row][trail - kTrailFirst] -> character; 0 where no character is assigned.")
    out.append("// Lead rows: 0x81-0x9F are rows 0-30, 0xE0-0xFC rows 31-59.")
    out.append("constexpr char16_t kDoubleByte[kLeadRows][kTrailColumns] = {")
    for lead in LEAD_BYTES:
        row = [table.get(lead << 8 | t, 0) for t in range(TRAIL_FIRST, TRAIL_LAST + 1)]
        out.append(f"  {{ // 0x{lead:02X}")
        out.append(hex_rows(row, 8))
        out.append("  },")
    out.append("};")
    out.append("")
    out.append("struct CodeChoice {")
    out.append("    char16_t character;")
    out.append("    quint16 code;")
    out.append("};")
    out.append("")
    out.append("// Characters with several codes and the code Windows writes for each.")
    out.append(f"constexpr CodeChoice kPreferredCodes[{len(shared)}] = {{")
    for char in sorted(shared):
        out.append(f"    {{0x{char:04X}, 0x{shared[char]:04X}}},")
    out.append("};")
    out.append("")
    out.append("// Characters without a code of their own, written as the full-width form.")
    out.append(f"constexpr CodeChoice kBestFit[{len(BEST_FIT)}] = {{")
    for char in sorted(BEST_FIT):
        out.append(f"    {{0x{char:04X}, 0x{BEST_FIT[char]:04X}}},")
    out.append("};")
    out.append("")
    out.append("// clang-format on")
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "src", "platform", "cp932_table.inc")
    path = sys.argv[1] if len(sys.argv) > 1 else default
    table = build_decoding()
    shared = build_preferences(table)
    write_table(path, table, shared)
    print(f"{path}: {len(table)} codes, {len(shared)} characters with several codes")


if __name__ == "__main__":
    main()

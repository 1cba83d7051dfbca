#!/usr/bin/env python3
"""Prints a C string literal of GBK byte escapes for each UTF-8 argument,
for adding a text to text/literals.h."""
import sys

for arg in sys.argv[1:]:
    data = arg.encode("gbk")
    body = "".join(chr(b) if 0x20 <= b < 0x7F and chr(b) not in '"\\?' else "\\x%02X" % b for b in data)
    # A hex escape swallows following hex digits: split the literal there.
    out, prev_hex = "", False
    for piece in [body]:
        i = 0
        while i < len(piece):
            if piece.startswith("\\x", i):
                out += piece[i:i + 4]
                i += 4
                prev_hex = True
            else:
                ch = piece[i]
                if prev_hex and ch in "0123456789abcdefABCDEF":
                    out += '" "'
                out += ch
                prev_hex = False
                i += 1
    print('"%s"  // %s (%d bytes)' % (out, arg, len(data)))

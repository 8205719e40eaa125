#!/usr/bin/env python3
"""Writes the old-format fixture files of the conversion tests, laid out field by field.

Texts are in the Kamenický code page. Run from this folder; the outputs are checked in.
"""
import struct

LETTERS = "áÁčČďĎéÉěĚíÍňŇóÓřŘšŠťŤúÚůŮýÝžŽ"
KAMENICKY = [0xA0, 0x8F, 0x87, 0x80, 0x83, 0x85, 0x82, 0x90, 0x88, 0x89, 0xA1, 0x8B, 0xA4, 0xA5, 0xA2,
             0x95, 0xA9, 0x9E, 0xA8, 0x9B, 0x9F, 0x86, 0xA3, 0x97, 0x96, 0xA6, 0x98, 0x9D, 0x91, 0x92]
HEADER = bytes([0x00, 0x03, 0x4B, 0x56, 0x00, 0x00])


def kam(text):
    return bytes(KAMENICKY[LETTERS.index(c)] if c in LETTERS else ord(c) for c in text)


def put_text(rec, offset, width, text, right=False):
    data = kam(text)[:width]
    field = data.rjust(width, b" ") if right else data.ljust(width, b" ")
    rec[offset:offset + width] = field


def calculation(company, installation, count, fluid, description, day):
    rec = bytearray(400)
    put_text(rec, 1, 9, company)
    rec[12:16] = struct.pack("<I", int((day + 169306) * 4096))
    put_text(rec, 16, 3, installation)
    put_text(rec, 19, 5, count)
    put_text(rec, 24, 13, fluid, right=True)
    put_text(rec, 37, 50, description)
    rec[87:91] = struct.pack(">i", 1200000)             # p1, Pa
    rec[91:94] = (20050).to_bytes(3, "big")             # 200.50 °C
    rec[94:98] = struct.pack(">i", 512340)              # 5.1234 kg/m3
    rec[98:102] = struct.pack(">i", 1620000)            # 16.2 µPa·s
    rec[102:104] = struct.pack(">H", 1300)              # κ 1.3
    rec[106:110] = struct.pack(">i", 150000)            # D20 150 mm
    rec[110:114] = struct.pack(">i", 800000)            # 8000 kg/h
    rec[114:118] = struct.pack(">i", 1000000)           # 10000 kg/h
    rec[118:122] = struct.pack(">i", 200000)            # 2000 kg/h
    rec[122:126] = struct.pack(">i", 40000)             # Δp max, Pa
    put_text(rec, 126, 6, "17 248")
    put_text(rec, 132, 6, "11 373")
    rec[138:142] = struct.pack(">i", 150360)            # D 0.15036 m
    rec[142:146] = struct.pack(">i", 1160000)
    rec[146:149] = (2500).to_bytes(3, "big")
    rec[149:153] = struct.pack(">i", 1450000)
    rec[153:156] = (3125).to_bytes(3, "big")
    rec[156:160] = struct.pack(">i", 290000)
    rec[160:163] = (6040).to_bytes(3, "big")
    rec[163:166] = (9950).to_bytes(3, "big")
    rec[166:169] = (5200).to_bytes(3, "big")
    rec[169:173] = struct.pack(">i", 78187)
    rec[173:177] = struct.pack(">i", 78000)
    rec[177] = 1
    for i in range(10):
        rec[187 + 2 * i:189 + 2 * i] = struct.pack(">H", 160 + 10 * i)
    rec[207:209] = struct.pack(">H", 60)
    rec[209:212] = (29000).to_bytes(3, "big")
    for offset in (216, 224, 232):
        put_text(rec, offset, 8, "[kg/h]")
    put_text(rec, 240, 8, "[kg/m3]")
    for offset, value in ((250, 60), (252, 11), (254, 40), (256, 7), (258, 20), (260, 29), (262, 100),
                          (268, 92)):
        rec[offset:offset + 2] = struct.pack(">H", value)
    return bytes(rec)


def company(name, number):
    rec = bytearray(327)
    put_text(rec, 1, 30, name)
    put_text(rec, 116, 9, number)
    return bytes(rec)


records = [
    calculation("12345678", "01", "00001", "Pára přehřátá", "Kotel č. 3, přehřátá pára", 35000),
    calculation("87654321", " 1", "   2", "Voda", "Čerpadlo Ústí", 35001.5),
    calculation("00000000", "1", "3", "Metan", "", 35002),
]
companies = [
    company("Strojírny Brno", "12345678"),
    company("", "11111111"),
    company("Nikdo", ""),
    company("Teplárna Ústí", "87654321"),
    company("Strojírny Brno II", "12345678"),
    company("Strojírny Brno", "55555555"),
]

with open("vypocty.000", "wb") as f:
    f.write(HEADER + b"".join(records))
with open("vypocty_neuplny.000", "wb") as f:   # two records and a third cut short
    f.write(HEADER + records[0] + records[1] + records[2][:150])
with open("vypocty_prazdny.000", "wb") as f:   # the header alone: no calculations
    f.write(HEADER)
with open("vypocty_kratky.000", "wb") as f:    # shorter than its header
    f.write(HEADER[:4])
with open("firmy.000", "wb") as f:
    f.write(HEADER + b"".join(companies) + companies[0][:100])
with open("firmy_kratky.000", "wb") as f:
    f.write(HEADER[:5])

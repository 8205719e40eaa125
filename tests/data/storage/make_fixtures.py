#!/usr/bin/env python3
"""Writes the database, export and configuration fixtures of the storage tests.

The files are built here byte by byte from the record layout, independently of the C++ code that reads
them, the way the older program laid them out: 1145-byte records, five scrambled strings in every
calculation block, Windows-1250 texts, and bytes that carry no field (string tails, reserved bytes, the
content of free slots) filled with noise that every rewrite must copy unchanged.
"""
import os
import struct

KEY = 0x5B
HERE = os.path.dirname(os.path.abspath(__file__))


def noise(size, seed):
    out = bytearray()
    x = seed
    for _ in range(size):
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        out.append((x >> 16) & 0xFF)
    return out


def put_string(buf, offset, capacity, text, scrambled):
    data = text.encode("cp1250")
    assert len(data) <= capacity
    buf[offset] = len(data)
    for i, b in enumerate(data):
        buf[offset + 1 + i] = b ^ KEY if scrambled else b


def block(tag, number, *, fluid=0, fluid_name="sytá pára", element=0, diameter=100.0, unit=0,
          description="", designer="Jan Novák", company="", point="", date=45000.0, materials=(0, 0),
          settings=None, seed=1):
    b = noise(973, seed)  # string tails and reserved bytes keep whatever the older program left there
    put_string(b, 0, 6, tag, False)
    # Every list index names an item of its list and every number a run takes as it is is finite, as
    # the program writes them.
    for offset in (38, 48, 58, 68, 111, 121, 768, 785, 802, 819):
        b[offset] = 0
    for offset in [30, 40, 50, 60, 70, 79, 87, 95, 103, 113, 143, 151, 760, 777, 794, 811] + \
            [159 + 8 * i for i in range(20)]:
        b[offset:offset + 8] = struct.pack("<d", 0.0)
    b[7] = element
    b[8] = fluid
    put_string(b, 9, 20, fluid_name, True)
    b[122:130] = struct.pack("<d", diameter)
    b[130] = unit
    b[131], b[132] = materials
    for i in range(10):
        b[133 + i] = 1 if i in (0, 3) else 0
    s = settings or {}
    b[239:247] = struct.pack("<d", s.get("dp_accuracy", 0.2))
    b[247:255] = struct.pack("<d", s.get("density_accuracy", 1.0))
    b[319:327] = struct.pack("<d", s.get("barometric", 101325.0))
    put_string(b, 327, 40, description, True)
    for i in range(8):
        b[656 + i] = 0
    b[769:777] = struct.pack("<d", 101325.0)
    b[786:794] = struct.pack("<d", 0.0)
    b[803:811] = struct.pack("<d", 101325.0)
    b[820:828] = struct.pack("<d", 0.0)
    b[828] = 1
    put_string(b, 829, 25, designer, True)
    put_string(b, 855, 50, company, True)
    put_string(b, 906, 40, point, True)
    installation, count, index = number
    b[947:949] = struct.pack("<H", installation)
    b[949:953] = struct.pack("<I", count)
    b[953:961] = struct.pack("<d", date)
    b[967] = 0
    b[968] = index
    b[971] = 1
    b[972] = 0
    return b


def record(calc=None, user=None, company=None, seed=7, calc_flag=None):
    r = noise(1145, seed)
    if calc is not None:
        r[0:973] = calc
    else:
        put_string(r, 0, 6, "ver3.5", False)  # every record carries a valid tag
    if user is not None:
        login, full_name = user
        put_string(r, 973, 25, login, True)
        put_string(r, 999, 25, full_name, True)
        for i in range(25):
            r[1025 + 2 * i:1027 + 2 * i] = struct.pack("<H", 100 + i)
    if company is not None:
        put_string(r, 1075, 50, company, True)
    r[1126] = (1 if calc is not None else 0) if calc_flag is None else calc_flag
    r[1127] = 1 if user is not None else 0
    r[1128] = 1 if company is not None else 0
    r[1129:1145] = bytes(16)
    return r


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    fifty = "Útvar měření průtoku a tlaku, Ostrava-Vítkovice 12"
    assert len(fifty) == 50
    records = [
        # A user and an older calculation share the first record.
        record(block("ver3.3", (1, 12, 0), fluid=2, fluid_name="voda", element=3, diameter=150.0,
                     description="Čerpadlo [P1]", company="Teplárna", point="Výtlak P1",
                     materials=(4, 6), date=36000.0, seed=11),
               user=("novak", "Jan Novák"), seed=21),
        record(block("ver3.5", (1, 12, 1), fluid=1, fluid_name="přehřátá pára", element=1,
                     diameter=0.2, unit=3, company="Teplárna", point="Výtlak P1", date=45290.0, seed=12),
               seed=22),
        record(block("ver3.5", (1, 12, 2), fluid=1, fluid_name="přehřátá pára", element=1, diameter=20.5,
                     unit=1, company=fifty, point="Výtlak P1", date=45291.0, seed=13), seed=23),
        record(block("ver3.5", (1, 12, 3), fluid=1, fluid_name="přehřátá pára", element=1,
                     diameter=205.0, company="Teplárna", point="Výtlak P1", date=45292.0,
                     settings={"barometric": 98000.0}, seed=14), company="Teplárna", seed=24),
        record(block("ver2.2", (2, 7, 0), fluid=3, fluid_name="suchý vzduch", element=5, diameter=300.0,
                     company="Kvantora", point="Sání", materials=(7, 7), date=33000.0, seed=15), seed=25),
        # All three slots free: kept by every rewrite, ignored by every reader but the tag check.
        record(None, seed=26),
        record(block("ver3.4", (1, 20, 1), fluid=5, fluid_name="bioplyn", element=8, diameter=80.0,
                     company="Bioplynka", point="Hořák", materials=(1, 3), date=45000.0, seed=16), seed=27),
        # A company alone.
        record(None, company="Bioplynka", seed=28),
    ]
    database = b"".join(records)
    write("legacy.flw", database)
    write("one-user.flw", record(None, user=("admin1", "Správce databáze"), seed=30))
    bad = bytearray(database)
    bad[1145 * 3 + 1:1145 * 3 + 7] = b"ver3.6"
    write("bad-tag.flw", bad)
    write("truncated.flw", database[:-500])

    write("export-ver35.cln", block("ver3.5", (1, 30, 1), fluid=2, fluid_name="voda", element=0,
                                    description="Export", company="Teplárna", point="Kotel 2", seed=40))
    write("export-ver34.cln", block("ver3.4", (1, 31, 2), fluid=2, fluid_name="voda", element=0,
                                    materials=(0, 7), company="Teplárna", point="Kotel 3", seed=41))
    write("export-ver33.cln", block("ver3.3", (1, 32, 0), fluid=2, fluid_name="voda", element=0,
                                    materials=(5, 2), company="Teplárna", point="Kotel 4", seed=42))
    write("export-ver22.cln", block("ver2.2", (1, 33, 0), seed=43))
    write("export-short.cln", block("ver3.5", (1, 34, 1), seed=44)[:972])

    # A configuration file as the older program wrote it: Windows-1250, CRLF, scrambled values written
    # raw (the backslashes of the folder scramble to BEL bytes), floats with a decimal comma.
    def scrambled(text):
        return bytes(b ^ KEY for b in text.encode("cp1250"))
    lines = [
        "[pracovní]".encode("cp1250"),
        b"komponenta=" + bytes(c ^ 0x6E for c in b"tajne") ,
        "složka databází=".encode("cp1250") + scrambled("C:\\Data\\Průtoky"),
        "zápatí osvědčení=".encode("cp1250") + scrambled("Teplárna Ostrava, tel. 596 123"),
        "tiskni zápatí=1".encode("cp1250"),
        "Přesnost snímače tlakové diference=0,25".encode("cp1250"),
        "Řada hodnot TD 3=25000".encode("cp1250"),
        "Barometrický tlak=98066,5".encode("cp1250"),
        "VP - průtok - teplota=20".encode("cp1250"),
        b"",
        "[konfigurace]".encode("cp1250"),
        "Databáze=".encode("cp1250") + scrambled("Teplárna.flw"),
        "Tiskni graf=0".encode("cp1250"),
        "Třídit=1".encode("cp1250"),
        b"[Language]",
        b"LangID=English",
    ]
    write("old-program.ini", b"\r\n".join(lines) + b"\r\n")


if __name__ == "__main__":
    main()

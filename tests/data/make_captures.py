#!/usr/bin/env python3
"""Makes the captures of the golden capture corpus (tests/data/<device>/).

Each capture is what the device simulator sent on one line, as its --sent-dir
logs hold it: <stem>.bytes (every byte) and <stem>.log (one line per event:
milliseconds, event, offset and length). The EFIS, Dynon and GPS captures are
made in two passes: the simulator's own records first, then those records as
lines with a few damaged ones put in by hand (an empty field, an empty line, a
sentence of a kind the simulator never sends), played back through the
simulator with its faults (garbage bytes, a truncated record, an over-long
line). Grand Rapids frames have no replay, so their captures are the
simulator's frames with its faults. The Dynon CSV log is written here.

The simulator stamps records with the wall clock, so every run makes other
bytes: run it only to replace a capture, then write the expected files anew
(TALBREN_WRITE_GOLDEN=1, see scripts/golden) and review them.

    tests/data/make_captures.py build/tools/devicesim
"""

import os
import shutil
import subprocess
import sys
import tempfile

DATA = os.path.dirname(os.path.abspath(__file__))


def simulate(devicesim, work, device, duration):
    """Runs the simulator for one device; returns (bytes, log) it sent."""
    ports = os.path.join(work, "ports")
    sent = os.path.join(work, "sent")
    shutil.rmtree(sent, ignore_errors=True)
    subprocess.run([devicesim, "--ports-dir", ports, "--sent-dir", sent, "--duration", str(duration), device],
                   check=True, stdout=subprocess.DEVNULL)
    name = [p.split("=", 1)[1] for p in device.split(":") if p.startswith("name=")][0]
    with open(os.path.join(sent, name + ".bytes"), "rb") as f:
        data = f.read()
    with open(os.path.join(sent, name + ".log"), "rb") as f:
        log = f.read()
    return data, log


def keep(stem, data, log):
    os.makedirs(os.path.dirname(os.path.join(DATA, stem)), exist_ok=True)
    with open(os.path.join(DATA, stem + ".bytes"), "wb") as f:
        f.write(data)
    with open(os.path.join(DATA, stem + ".log"), "wb") as f:
        f.write(log)


def lines_of(data, end):
    """The records of a stream, each with its line end."""
    out = []
    for piece in data.split(end):
        if piece:
            out.append(piece + end)
    return out


def capture_file(lines):
    """Lines as a capture file: each ended CR LF (an EFIS record keeps its CR)."""
    return b"".join(l.rstrip(b"\r\n") + (b"\r" if l.endswith(b"\r") and not l.endswith(b"\r\n") else b"")
                    + b"\r\n" for l in lines)


def replay(devicesim, work, kind, stem, lines, rate, faults):
    path = os.path.join(work, os.path.basename(stem) + ".lines")
    with open(path, "wb") as f:
        f.write(capture_file(lines))
    name = os.path.basename(stem)
    device = ":".join([kind, "COM1", "wait=0", "name=" + name, "rate=" + str(rate), "replay=" + path] + faults)
    keep(stem, *simulate(devicesim, work, device, 60))


def checksum(body):
    s = 0
    for c in body:
        s ^= c
    return b"$" + body + b"*%02X\r\n" % s


def sentence(text):
    return checksum(text.encode())


def efis(devicesim, work):
    data, _ = simulate(devicesim, work, "efis:COM1:wait=0:name=base", 0.62)
    records = lines_of(data, b"\r")
    # A record with its heading columns blank, one whose vertical G columns
    # hold letters, and an empty line (a lone CR).
    r = records[9]
    records[9] = r[:17] + b"   " + r[20:]
    r = records[20]
    records[20] = r[:36] + b"XYZ" + r[39:]
    records.insert(30, b"\r")
    replay(devicesim, work, "efis", "efis/flight", records, 64,
           ["garbage@0.12=40", "truncated@0.27", "long@0.42=160"])


def dynon(devicesim, work):
    data, _ = simulate(devicesim, work, "dynon:COM1:wait=0:name=base:rate=4", 6.2)
    records = lines_of(data, b"\r\n")
    # The RPM columns blank, letters in the oil temperature, and an empty line.
    r = records[6]
    records[6] = r[:27] + b"   " + r[30:]
    r = records[13]
    records[13] = r[:12] + b"2X4" + r[15:]
    records.insert(19, b"\r\n")
    replay(devicesim, work, "dynon", "dynon/text", records, 4, ["garbage@1.6=40", "truncated@3.1", "long@4.6=300"])


def grand_rapids(devicesim, work):
    faults = ["truncated@1.1", "garbage@2.3=60", "long@3.6=400"]
    for kind, stem, extra in [("gr4000", "grand_rapids/gr4000_fefffe", []),
                              ("gr4000", "grand_rapids/gr4000_fefefe", ["header=FEFEFE"]),
                              ("gr2000", "grand_rapids/gr2000", [])]:
        name = os.path.basename(stem)
        device = ":".join([kind, "COM1", "wait=0", "name=" + name, "rate=4"] + extra + faults)
        keep(stem, *simulate(devicesim, work, device, 6.2))


def gps_nmea(devicesim, work):
    data, _ = simulate(devicesim, work, "gps:COM1:wait=0:name=base:format=nmea", 5.5)
    lines = lines_of(data, b"\r\n")
    out = []
    for i, l in enumerate(lines):
        t = l.decode()
        if i == 4 * 1 + 0:
            # No latitude, and its hemisphere empty too.
            f = t[1:t.index("*")].split(",")
            f[2], f[3] = "", ""
            l = sentence(",".join(f))
        if i == 4 * 2 + 1:
            # $GPRMC without the hemisphere of its longitude.
            f = t[1:t.index("*")].split(",")
            f[6] = ""
            l = sentence(",".join(f))
        out.append(l)
        if i == 4 * 0 + 3:
            out.append(sentence("GPBOD,099.3,T,105.6,M,POINTB,POINTA"))
            out.append(sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"))
        if i == 4 * 3 + 3:
            # The sky plot of three sentences, then the next cycle's first.
            out.append(sentence("GPGSV,3,1,09,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45"))
            out.append(sentence("GPGSV,3,2,09,15,90,000,35,16,00,180,10,20,45,135,,21,60,300,36"))
            out.append(sentence("GPGSV,3,3,09,25,13,062,"))
            out.append(b"\r\n")
    replay(devicesim, work, "gps", "gps/nmea", out, 5, ["garbage@1.5=40", "truncated@2.5", "long@3.5=300"])


def gps_garmin(devicesim, work):
    data, _ = simulate(devicesim, work, "gps:COM1:wait=0:name=base:format=garmin", 5.5)
    lines = lines_of(data, b"\r\n")
    extra = [
        sentence("PGRMH,A,-2,0,-5,-3,150,270,275"),
        sentence("PGRMV,2.3,-1.2,0.5"),
        sentence("PGRMM,WGS 84"),
        sentence("PGRMB,301.0,100,12,0,46,K,A,W,A"),
        sentence("PGRMT,MODEL 1.0,P,P,R,R,P,,23,R"),
    ]
    out = []
    for i, l in enumerate(lines):
        t = l.decode()
        if i == 3 * 2 + 0:
            # $PGRMF without its hemispheres.
            f = t[1:t.index("*")].split(",")
            f[7], f[9] = "", ""
            l = sentence(",".join(f))
        if i == 3 * 3 + 1:
            # $PGRMZ without its unit.
            f = t[1:t.index("*")].split(",")
            f[2] = ""
            l = sentence(",".join(f))
        out.append(l)
        if i % 3 == 2 and extra:
            out.append(extra.pop(0))
    replay(devicesim, work, "gps", "gps/garmin", out, 4, ["garbage@1.5=40", "truncated@2.5", "long@3.5=300"])


def wave(i, period, lo, hi):
    half = period // 2
    p = i % period
    up = p if p <= half else period - p
    return lo + (hi - lo) * up // half


def hex_field(v, digits):
    return "%0*X" % (digits, v & ((1 << (4 * digits)) - 1))


def dynon_csv():
    """A Dynon CSV engine log: the hexadecimal engine record in its column."""
    rows = ["Time,Session,EMS raw data,Comment"]
    hour, minute, second = 14, 10, 20
    for i in range(24):
        s = second + i
        r = "XX" + hex_field(hour, 2) + hex_field(minute + s // 60, 2) + hex_field(s % 60, 2)
        r += hex_field(wave(i, 20, 40, 80), 2)                # oil pressure
        r += hex_field(wave(i, 16, 20 * 16, 29 * 16), 4)      # manifold, sixteenths
        r += hex_field(wave(i, 24, 150, 230), 4)              # oil temperature
        r += hex_field(wave(i, 10, 40, 90), 4)                # fuel pressure, sixteenths
        r += hex_field(wave(i, 12, 210, 227), 4)              # volts, sixteenths
        r += hex_field(wave(i, 8, -48, 40), 4)                # amperes, sixteenths
        r += hex_field(wave(i, 30, 1800, 2700), 4)            # RPM
        r += hex_field(wave(i, 12, 50 * 16 // 10, 130 * 16 // 10), 4)  # fuel flow
        r += hex_field(wave(i, 40, 20 * 16, 30 * 16), 4)      # remaining
        r += hex_field(wave(i, 36, 10 * 16, 18 * 16), 4)      # quantity 1
        r += hex_field(wave(i, 32, 10 * 16, 18 * 16), 4)      # quantity 2
        r += hex_field(wave(i, 6, -16, 25), 4) + hex_field(-8, 4) + hex_field(-32768, 4)  # GP 1 to 3
        r += hex_field(wave(i, 30, 200, 400), 4)              # thermocouple
        r += "".join(hex_field(wave(i + 3 * c, 36, 1200, 1500), 3) for c in range(6))
        r += "".join(hex_field(wave(i + 5 * c, 42, 300, 420), 3) for c in range(6))
        r += hex_field(1 << (i % 8), 2)                      # contacts
        r += hex_field(50000 + i, 6) + hex_field(4660 + i, 6)  # hour meter, tach time
        assert len(r) == 116
        if i == 5:
            r = r[:60]                    # cut short: a bad record
        if i == 9:
            r = r[:30] + "ZZZZ" + r[34:]  # letters in the RPM field
        if i == 14:
            r = r + "0" * 40              # longer than any record
        if i == 18:
            r = ""                        # an empty field
        rows.append("%d,1,\"AB%s\",ok" % (i + 1, r))
    with open(os.path.join(DATA, "dynon", "log.csv"), "wb") as f:
        f.write(("\r\n".join(rows) + "\r\n").encode())


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    devicesim = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as work:
        efis(devicesim, work)
        dynon(devicesim, work)
        grand_rapids(devicesim, work)
        gps_nmea(devicesim, work)
        gps_garmin(devicesim, work)
    dynon_csv()


if __name__ == "__main__":
    main()

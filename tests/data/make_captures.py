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


def text_records(devicesim, work, kind, duration, end, stem, rate, columns, empty_at, faults):
    """The simulator's records with some columns overwritten (record index:
    first column counted from 0 and the bytes put there) and an empty line
    put in, played back with faults."""
    data, _ = simulate(devicesim, work, kind + ":COM1:wait=0:name=base:rate=" + str(rate), duration)
    records = lines_of(data, end)
    for i, (first, text) in columns.items():
        records[i] = records[i][:first] + text + records[i][first + len(text):]
    records.insert(empty_at, end)
    replay(devicesim, work, kind, stem, records, rate, faults)


def efis(devicesim, work):
    # The heading columns blank, letters in the vertical G columns.
    text_records(devicesim, work, "efis", 0.62, b"\r", "efis/flight", 64, {9: (17, b"   "), 20: (36, b"XYZ")}, 30,
                 ["garbage@0.12=40", "truncated@0.27", "long@0.42=160"])


def dynon(devicesim, work):
    # The RPM columns blank, a letter in the oil temperature.
    text_records(devicesim, work, "dynon", 6.2, b"\r\n", "dynon/text", 4, {6: (27, b"   "), 13: (12, b"2X4")},
                 19, ["garbage@1.6=40", "truncated@3.1", "long@4.6=300"])


def grand_rapids(devicesim, work):
    faults = ["truncated@1.1", "garbage@2.3=60", "long@3.6=400"]
    for kind, stem, extra in [("gr4000", "grand_rapids/gr4000_fefffe", []),
                              ("gr4000", "grand_rapids/gr4000_fefefe", ["header=FEFEFE"]),
                              ("gr2000", "grand_rapids/gr2000", [])]:
        name = os.path.basename(stem)
        device = ":".join([kind, "COM1", "wait=0", "name=" + name, "rate=4"] + extra + faults)
        keep(stem, *simulate(devicesim, work, device, 6.2))


def edited(line, changes):
    """A sentence with some fields replaced (by index, the name is field 0),
    its checksum made anew."""
    text = line.decode()
    fields = text[1:text.index("*")].split(",")
    for k, v in changes.items():
        fields[k] = v
    return sentence(",".join(fields))


def gps(devicesim, work, fmt, stem, rate, edits, after):
    """The simulator's sentences of one format, line i replaced by the fields
    edits[i] gives and followed by the lines after[i]."""
    data, _ = simulate(devicesim, work, "gps:COM1:wait=0:name=base:format=" + fmt, 5.5)
    out = []
    for i, l in enumerate(lines_of(data, b"\r\n")):
        out.append(edited(l, edits[i]) if i in edits else l)
        out.extend(after.get(i, []))
    replay(devicesim, work, "gps", stem, out, rate, ["garbage@1.5=40", "truncated@2.5", "long@3.5=300"])


def gps_nmea(devicesim, work):
    # Sets of four: $GPGGA, $GPRMC, $GPVTG, $GPGSV.
    edits = {
        4: {2: "", 3: ""},  # no latitude, and its hemisphere empty too
        9: {6: ""},         # $GPRMC without the hemisphere of its longitude
    }
    after = {
        3: [sentence("GPBOD,099.3,T,105.6,M,POINTB,POINTA"),
            sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1")],
        # The sky plot of three sentences, then the next cycle's first; an
        # empty line.
        15: [sentence("GPGSV,3,1,09,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45"),
             sentence("GPGSV,3,2,09,15,90,000,35,16,00,180,10,20,45,135,,21,60,300,36"),
             sentence("GPGSV,3,3,09,25,13,062,"),
             b"\r\n"],
    }
    gps(devicesim, work, "nmea", "gps/nmea", 5, edits, after)


def gps_garmin(devicesim, work):
    # Sets of three: $PGRMF, $PGRMZ, $PGRME; each of the first five sets is
    # followed by one sentence the simulator never sends.
    edits = {
        6: {7: "", 9: ""},  # $PGRMF without its hemispheres
        10: {2: ""},        # $PGRMZ without its unit
    }
    extra = ["PGRMH,A,-2,0,-5,-3,150,270,275", "PGRMV,2.3,-1.2,0.5", "PGRMM,WGS 84",
             "PGRMB,301.0,100,12,0,46,K,A,W,A", "PGRMT,MODEL 1.0,P,P,R,R,P,,23,R"]
    after = {3 * k + 2: [sentence(e)] for k, e in enumerate(extra)}
    gps(devicesim, work, "garmin", "gps/garmin", 4, edits, after)


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

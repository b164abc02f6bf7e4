#!/usr/bin/env python3
"""Writes the sample measurements of a swinging pendulum, as the tools that
record one export them, into resources/measurements/.

One motion, computed from the damped pendulum's equation, is recorded at
50 Hz with noise of 1 % of the amplitude: by a phone's gyroscope (with the
offset a real sensor reads at rest), by video tracking (the bob's x and y)
and by a lab interface (the angle in degrees). The recording pauses for a
few seconds, as a student who stops and restarts it would. A second motion
with air drag (damping in v·|v|) comes as a lab interface's file.

Standard library only: python3 scripts/make_sample_measurements.py
"""

import io
import math
import os
import random
import zipfile

OMEGA0 = 4.2  # rad/s: a pendulum about 56 cm long
LAMBDA = 0.04  # 1/s
ANGLE0 = 0.5  # rad
RATE = 50  # Hz
SECONDS = 40
PAUSE_AT = 14.0  # s of recording before the pause
PAUSE_SECONDS = 3.0
GYRO_OFFSET = 0.03  # rad/s
LENGTH = 9.81 / OMEGA0**2  # m
DRAG_MU = 0.12  # 1/rad
DRAG_LAMBDA = 0.005

OUT = os.path.join(os.path.dirname(__file__), "..", "resources", "measurements")


def motion(lam, mu, seconds):
    """(t, angle, speed) every sample, integrated with fine RK4 steps."""
    def accel(a, v):
        return -2 * lam * v - mu * v * abs(v) - OMEGA0**2 * math.sin(a)

    a, v, h, sub = ANGLE0, 0.0, 1.0 / RATE / 40, 40
    rows = []
    for i in range(int(seconds * RATE) + 1):
        rows.append((i / RATE, a, v))
        for _ in range(sub):
            k1a, k1v = v, accel(a, v)
            k2a, k2v = v + h / 2 * k1v, accel(a + h / 2 * k1a, v + h / 2 * k1v)
            k3a, k3v = v + h / 2 * k2v, accel(a + h / 2 * k2a, v + h / 2 * k2v)
            k4a, k4v = v + h * k3v, accel(a + h * k3a, v + h * k3v)
            a += h / 6 * (k1a + 2 * k2a + 2 * k3a + k4a)
            v += h / 6 * (k1v + 2 * k2v + 2 * k3v + k4v)
    return rows


def recorded(rows):
    """The samples a paused recording keeps: (real time, angle, speed)."""
    return [r for r in rows if r[0] <= PAUSE_AT + 1e-9 or r[0] > PAUSE_AT + PAUSE_SECONDS + 1e-9]


def sci(value, mark):
    """A number as the phone app writes it: 1.234567890E-2."""
    mantissa, exponent = f"{value:.9E}".split("E")
    return f"{mantissa}E{int(exponent)}".replace(".", mark)


def dec(value, digits, mark):
    return f"{value:.{digits}f}".replace(".", mark)


def phyphox_rows(samples, noise):
    """Gyroscope rows on experiment time, which stands still while paused."""
    rows = []
    for t, _, v in samples:
        experiment = t if t <= PAUSE_AT + 1e-9 else t - PAUSE_SECONDS
        x = v + GYRO_OFFSET + noise.gauss(0, 0.01 * ANGLE0 * OMEGA0)
        y = noise.gauss(0, 0.01)
        z = 0.002 + noise.gauss(0, 0.01)
        rows.append((experiment, x, y, z, math.sqrt(x * x + y * y + z * z)))
    return rows


def phyphox_csv(rows, delimiter, mark):
    names = ["Time (s)", "Gyroscope x (rad/s)", "Gyroscope y (rad/s)", "Gyroscope z (rad/s)",
             "Absolute (rad/s)"]
    lines = [delimiter.join(f'"{n}"' for n in names)]
    lines += [delimiter.join(sci(v, mark) for v in row) for row in rows]
    return "\n".join(lines) + "\n"


def time_csv(rows):
    system0 = 1733616000.0
    resumed = PAUSE_AT
    lines = ['"event","experiment time","system time","system time text"',
             f'"START",{sci(0.0, ".")},{sci(system0, ".")},"2024-12-08 00:00:00.000 UTC+00:00"',
             f'"PAUSE",{sci(PAUSE_AT, ".")},{sci(system0 + PAUSE_AT, ".")},"2024-12-08 00:00:14.000 UTC+00:00"',
             f'"START",{sci(resumed, ".")},{sci(system0 + PAUSE_AT + PAUSE_SECONDS, ".")},'
             '"2024-12-08 00:00:17.000 UTC+00:00"',
             f'"PAUSE",{sci(rows[-1][0], ".")},{sci(system0 + rows[-1][0] + PAUSE_SECONDS, ".")},'
             '"2024-12-08 00:00:40.000 UTC+00:00"']
    return "\n".join(lines) + "\n"


def write(name, text, encoding="utf-8"):
    with open(os.path.join(OUT, name), "w", encoding=encoding, newline="") as f:
        f.write(text)


def main():
    os.makedirs(OUT, exist_ok=True)
    noise = random.Random(27)
    samples = recorded(motion(LAMBDA, 0.0, SECONDS))

    gyro = phyphox_rows(samples, noise)
    for name, delimiter, mark in [("virgule-point", ",", "."), ("tabulation-point", "\t", "."),
                                  ("point-virgule-point", ";", "."), ("tabulation-virgule", "\t", ","),
                                  ("point-virgule-virgule", ";", ",")]:
        write(f"gyroscope-{name}.csv", phyphox_csv(gyro, delimiter, mark))
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        for entry, text in [("Gyroscope.csv", phyphox_csv(gyro, ",", ".")), ("meta/time.csv", time_csv(gyro)),
                            ("meta/device.csv", '"property","value"\n"deviceModel","exemple"\n')]:
            info = zipfile.ZipInfo(entry, date_time=(2024, 12, 8, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, text)
    with open(os.path.join(OUT, "gyroscope-avec-pause.zip"), "wb") as f:
        f.write(buffer.getvalue())

    # Video tracking: the bob's position in metres, the origin at the pivot,
    # y upwards, one noisy pixel in a thousand of the swing.
    lines = ["masse A", "t\tx\ty"]
    for t, a, _ in samples:
        x = LENGTH * math.sin(a) + noise.gauss(0, 0.01 * LENGTH * ANGLE0)
        y = -LENGTH * math.cos(a) + noise.gauss(0, 0.002 * LENGTH)
        lines.append("\t".join([dec(t, 3, ","), dec(x, 5, ","), dec(y, 5, ",")]))
    write("video-positions.txt", "\n".join(lines) + "\n")

    # A lab interface: the angle in degrees, a units line, Windows-1252.
    lines = ["Temps;Angle", "s;°"]
    for t, a, _ in samples:
        lines.append(f"{dec(t, 2, ',')};{dec(math.degrees(a + noise.gauss(0, 0.01 * ANGLE0)), 3, ',')}")
    write("interface-angle.csv", "\r\n".join(lines) + "\r\n", encoding="cp1252")

    # Air drag: the damping grows with the speed.
    lines = ["t;θ", "s;rad"]
    for t, a, _ in motion(DRAG_LAMBDA, DRAG_MU, SECONDS):
        lines.append(f"{dec(t, 2, ',')};{dec(a + noise.gauss(0, 0.01 * ANGLE0), 5, ',')}")
    write("interface-frottement-air.csv", "\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

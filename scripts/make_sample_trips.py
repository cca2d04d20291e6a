#!/usr/bin/env python3
"""Writes the sample trips that come with the program into data/trips (run from anywhere; the
same files every time, each trip drawn from a random generator of its own fixed seed):

- commute.csv: a drive to work through town, one sample a second, stopping at four traffic lights
  (time in s, distance in m; comma separated);
- ride.gpx: a cycle ride of about half an hour recorded by GPS every two seconds, a climb and a
  short stop on the way; each position is off by a few metres, as a receiver's are, so the
  distance along the track grows a little faster than the bicycle did;
- walk.csv: a walk to a bench and back, the distance counted from the start so that it falls on
  the way back (time in min, distance in km, with a decimal comma and semicolons, as a spreadsheet
  in German writes them)."""
import datetime
import math
import pathlib
import random

OUT = pathlib.Path(__file__).resolve().parent.parent / "data" / "trips"
EARTH_RADIUS = 6371008.8  # m, to place the ride's positions; the program measures on the ellipsoid


def drive(rng, legs, dt):
    """Distances (m) every dt s along legs of (length m, top speed m/s, stop s): the car speeds up
    at about 1.5 m/s², keeps its speed and brakes at about 2 m/s² to stand at the leg's end."""
    distances = [0.0]
    position = 0.0
    for length, top, stop in legs:
        start = position
        speed = 0.0
        while position - start < length:
            to_go = length - (position - start)
            braking = speed * speed / (2 * 2.0)
            if to_go <= braking + speed * dt:
                speed = max(0.3, speed - 2.0 * dt)
            else:
                speed = min(top + rng.uniform(-0.4, 0.4), speed + 1.5 * dt)
            position = min(start + length, position + speed * dt)
            distances.append(position)
        distances.extend([position] * round(stop / dt))
    return distances


def commute(rng):
    lights = [(rng.uniform(20, 55)) for _ in range(4)]
    legs = [(900, 13.9, lights[0]), (1500, 13.9, lights[1]), (2600, 19.4, lights[2]),
            (700, 11.1, lights[3]), (1800, 13.9, 0)]
    distances = drive(rng, legs, 1.0)
    lines = ["time [s],distance [m]"]
    lines += [f"{i},{d:.1f}" for i, d in enumerate(distances)]
    return "\n".join(lines) + "\n"


def ride(rng):
    legs = [(3000, 6.0, 40), (1800, 3.2, 0), (4200, 7.5, 0)]  # flat, a climb, flat again
    distances = drive(rng, legs, 2.0)
    lat, lon = 47.0, 8.0
    heading = 0.6
    start = datetime.datetime(2026, 5, 16, 9, 30, 0, tzinfo=datetime.timezone.utc)
    points = []
    previous = 0.0
    for i, d in enumerate(distances):
        step = d - previous
        previous = d
        heading += rng.gauss(0, 0.02)
        lat += math.degrees(step * math.cos(heading) / EARTH_RADIUS)
        lon += math.degrees(step * math.sin(heading) / (EARTH_RADIUS * math.cos(math.radians(lat))))
        noisy_lat = lat + math.degrees(rng.gauss(0, 2.0) / EARTH_RADIUS)
        noisy_lon = lon + math.degrees(rng.gauss(0, 2.0) / (EARTH_RADIUS * math.cos(math.radians(lat))))
        time = (start + datetime.timedelta(seconds=2 * i)).strftime("%Y-%m-%dT%H:%M:%SZ")
        points.append(f'      <trkpt lat="{noisy_lat:.7f}" lon="{noisy_lon:.7f}"><ele>{420 + 0.004 * d:.1f}</ele>'
                      f"<time>{time}</time></trkpt>")
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<gpx version="1.1" creator="make_sample_trips.py" xmlns="http://www.topografix.com/GPX/1/1">\n'
            "  <trk>\n    <name>Cycle ride</name>\n    <trkseg>\n" + "\n".join(points) +
            "\n    </trkseg>\n  </trk>\n</gpx>\n")


def walk(rng):
    lines = ["Zeit [min];Strecke [km]"]
    distance = 0.0
    dt = 5 / 60  # min
    steps = 360  # 30 min: 14 out, 2 on the bench, 14 back
    for i in range(steps + 1):
        t = i * dt
        lines.append(f"{t:.4f};{distance:.4f}".replace(".", ","))
        pace = 0.080 + rng.uniform(-0.008, 0.008)  # km per min, about 4.8 km/h
        if t < 14:
            distance += pace * dt
        elif t >= 16:
            distance = max(0.0, distance - pace * dt)
    return "\n".join(lines) + "\n"


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, make, seed in [("commute.csv", commute, 1), ("ride.gpx", ride, 2), ("walk.csv", walk, 3)]:
        (OUT / name).write_text(make(random.Random(seed)), encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main()

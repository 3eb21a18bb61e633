#!/usr/bin/env python3
"""Writes the starting inputs of the analysis fuzzer: worked cases in its byte encoding."""
import pathlib

HERE = pathlib.Path(__file__).parent


def text(value: str) -> bytes:
    raw = value.encode()
    assert len(raw) < 63
    return bytes([len(raw)]) + raw


def case(building, spread, floors, population, door, flags, elevator, floor_entries=()):
    data = bytes([building, spread]) + text(floors) + text(population) + bytes([door, flags])
    data += b"".join(text(v) for v in elevator)
    data += bytes([len(floor_entries)]) + b"".join(text(v) for v in floor_entries)
    return data


# travel, floor height, express, width, loss, up, down, speed, load, cars, finishing, stored total
worked = ["30", "3", "", "900", "5", "30", "20", "1.75", "1000", "2", "300", ""]
seeds = {
    "worked_case": case(0, 0, "10", "500", 0, 4, worked),
    "worked_sweep": case(0, 0, "10", "500", 0, 0, worked),
    "machine_room": case(0, 0, "10", "500", 0, 4 | 8, worked),
    "office_sweep": case(1, 0, "20", "1200", 1, 2, ["60", "3", "", "1000", "5", "50", "50", "2.5", "", "", "", ""]),
    "express_zone": case(2, 0, "15", "900", 2, 1 | 4, ["80", "3.5", "30", "2000", "5", "80", "0", "4", "1350", "3", "", ""]),
    "per_floor": case(0, 1, "4", "", 0, 4, worked[:11] + ["100"], ["10", "20", "30", "40"]),
    "one_floor": case(0, 0, "1", "50", 0, 4, worked),
}
for name, data in seeds.items():
    (HERE / "corpus" / "analysis" / name).write_bytes(data)
for name, value in {"decimal": "1.75", "exponent": " -2.5e+3x", "hex": "&H1F", "octal": "&o17",
                    "blank": "  ", "comma": "1,5", "d_exponent": "2d2"}.items():
    (HERE / "corpus" / "leading_number" / name).write_bytes(value.encode())

#!/usr/bin/env python3
"""Writes the starting inputs of the project reader fuzzer: project files, whole and broken."""
import json
import pathlib

HERE = pathlib.Path(__file__).parent

elevator = {"travel": "30", "floorHeight": "3", "expressZoneSet": False, "expressDistance": "",
            "doorType": "2CO", "doorWidth": "900", "advanceOpening": False, "lossPercent": "5",
            "upPercent": "30", "downPercent": "20", "ratedSpeed": "1.75", "fixedConfiguration": True,
            "ratedLoad": "1000", "carCount": "2", "machineRoomRequested": True, "finishingWeight": "300"}
building = {"projectName": "办公楼A座", "buildingType": "residential", "floorsServed": "10",
            "totalPopulation": "500", "spread": "even"}
worked = {"format": "trevalo-project", "version": 1, "building": building, "floorPopulations": [],
          "elevator": elevator}
seeds = {
    "worked_case": worked,
    "per_floor": dict(worked, building=dict(building, spread="perFloor", floorsServed="4"),
                      floorPopulations=["10", "２０", "1,000", ""]),
    "sizing": dict(worked, sizing={"hcPercent": "12", "interval": "30", "awt": "", "maxCars": "8",
                                   "speeds": ["2.5", "3"]}),
    "nulls": {"format": "trevalo-project", "version": 1,
              "building": {"buildingType": None, "spread": None}, "elevator": {"doorType": None}},
    "no_elevator": {"format": "trevalo-project", "version": 1, "building": building},
    "wrong_type": dict(worked, elevator=dict(elevator, carCount=2)),
    "later_version": dict(worked, version=2),
    "unknown_members": dict(worked, drawings={"sheet": "A-101"}, building=dict(building, colour="red")),
}
for name, content in seeds.items():
    (HERE / "corpus" / name).write_text(json.dumps(content, ensure_ascii=False, indent=1), encoding="utf-8")
(HERE / "corpus" / "not_json").write_bytes(b'{"format": "trevalo-project", "version": 1,')

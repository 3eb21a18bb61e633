#pragma once

#include "engine/tests/entries.h"

#include <deque>
#include <random>
#include <string>

namespace trevalo::engine {

// A valid building with its load and number of cars, drawn at random. There is no express
// zone: the travel below the lowest served floor is the express run, of the given length.
class RandomBuildings {
public:
    explicit RandomBuildings(std::uint64_t seed) : m_random(seed) {}

    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    double real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    // The entries point into the kept texts; a deque keeps them in place.
    const char* keep(std::string text) { return m_texts.emplace_back(std::move(text)).c_str(); }
    // A standard rated speed, up to 11 m/s or, from fastest = 9, up to 6 m/s.
    const char* speed(int fastest = 14) { return kSpeeds[whole(0, fastest)]; }

    Entries building(double shortestExpress = 0, double longestExpress = 12)
    {
        m_texts.clear();
        Entries e;
        e.type = static_cast<BuildingType>(whole(0, 2));
        const int floors = whole(1, 40);
        const double height = real(2.5, 5);
        e.floors = keep(std::to_string(floors));
        e.floorHeight = keep(std::to_string(height));
        e.travel = keep(std::to_string(height * (floors - 1) + real(shortestExpress, longestExpress)));
        e.population = keep(std::to_string(whole(1, 4000)));
        if (whole(0, 3) == 0) {
            e.spread = kPerFloor;
            int total = 0;
            for (int i = 0; i < floors; ++i) {
                const int people = whole(0, 120) + (i == floors - 1 ? 1 : 0);
                total += people;
                e.perFloor.push_back(std::to_string(people));
            }
            e.population = keep(std::to_string(total));
        }
        e.door = static_cast<DoorType>(whole(0, 2));
        // Half of the widths on the door table's 50 mm steps, its ends included.
        const int width = whole(0, 1) == 0 ? 800 + 50 * whole(0, 14) : whole(800, 1500);
        e.width = keep(std::to_string(width * (e.door == kFour ? 2 : 1)));
        e.advance = whole(0, 1) == 1;
        e.loss = keep(std::to_string(real(0, 15)));
        e.up = keep(std::to_string(whole(0, 1) == 0 ? 0 : whole(20, 90)));
        e.down = keep(std::to_string(whole(0, 1) == 0 ? 0 : whole(20, 80)));
        e.speed = speed();
        e.load = keep(std::to_string(whole(675, 1800)));
        e.cars = keep(std::to_string(whole(1, 8)));
        return e;
    }

private:
    static constexpr const char* kSpeeds[] = {"1", "1.5", "1.75", "2", "2.5", "3", "3.5", "4",
                                              "5", "6", "7", "8", "9", "10", "11"};
    std::mt19937_64 m_random;
    std::deque<std::string> m_texts;
};

}  // namespace trevalo::engine

// The common shape of the needle dials' tests: a session with one instance,
// readings taken with the power on (or off), the records of a dial of needles,
// and where the drawn needles stand on the dial's marks.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dib_reader.h"
#include "gauge_renderer.h"
#include "gauge_session.h"
#include "module_builds.h"
#include "needle_geometry.h"

namespace bench::testing {

inline constexpr uint32_t power_token = 0x301;
inline constexpr double nan = std::numeric_limits<double>::quiet_NaN();
inline constexpr double inf = std::numeric_limits<double>::infinity();

// A token value and what the needle shows for it.
struct Reading {
  double token;
  double shown;
};

// A needle as its records give it; every such needle shows the common
// picture with its pivot at (10, 11).
struct NeedleRecords {
  int32_t bitmap;
  Point pivot;
  std::vector<std::pair<Point, double>> calibration;  // stored order
};

struct DialRecords {
  std::string name;
  int32_t background;
  std::vector<NeedleRecords> needles;  // chain order: each the child of the one before
  std::string tooltip;
  std::vector<uint32_t> refresh_list;  // in refresh order
};

enum class Turn { clockwise, counter_clockwise };

// Signed difference from one angle to another, in (-180, 180]: positive clockwise.
inline double angle_between(double from, double to) {
  const double difference = normalised_degrees(to - from);
  return difference > 180 ? difference - 360 : difference;
}

// A mark of the artwork: the token value that shows it, and its angle
// clockwise from straight up.
struct Mark {
  double token;
  double degrees;
};

class DialGaugeTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  void SetUp() override { session.add_instance(); }

  // Sets the tokens and runs two frames: the first frame's draw resets
  // power_on, so the second frame shows the readings.
  void run_with(const std::vector<std::pair<uint32_t, double>>& tokens, double power = 1.0) {
    session.set_token(power_token, power);
    for (auto [token, value] : tokens) session.set_token(token, value);
    session.run_frames(2);
  }

  double reading(size_t needle, uint32_t token, double value, double power = 1.0) {
    run_with({{token, value}}, power);
    return session.value(needle);
  }

  // Readings that pass the value unconverted, or only clamp it: exact.
  void expect_readings(size_t needle, uint32_t token, const std::vector<Reading>& cases) {
    for (auto [value, shown] : cases) EXPECT_EQ(reading(needle, token, value), shown) << "token value " << value;
  }

  // Readings through a unit conversion, to within 4 units in the last place
  // (EXPECT_DOUBLE_EQ). The expected values are the conversion's steps
  // evaluated in 64-bit doubles (the instrument's round decimals where those
  // are within reach); the tolerance is there because the 32-bit build's x87
  // unit may keep the intermediate steps with more precision.
  void expect_converted_readings(size_t needle, uint32_t token, const std::vector<Reading>& cases) {
    for (auto [value, shown] : cases) EXPECT_DOUBLE_EQ(reading(needle, token, value), shown) << "token value " << value;
  }

  // Power off, or a power token that truncates to 0, holds every needle at 0
  // whatever the tokens it reads hold.
  void expect_power_gate(const std::vector<uint32_t>& read_tokens) {
    for (double power : {0.0, 0.999, -0.5, nan}) {
      for (double value : {1000.0, -1000.0, nan, inf}) {
        for (uint32_t token : read_tokens) session.set_token(token, value);
        run_with({}, power);
        for (size_t needle = 1; needle < session.description().elements.size(); ++needle)
          EXPECT_EQ(session.value(needle), 0.0) << "needle " << needle << ", power " << power << ", tokens " << value;
      }
    }
  }

  // The refreshed tokens no callback reads change nothing the gauge shows.
  void expect_unread_tokens_ignored(const std::vector<std::pair<uint32_t, double>>& readings,
                                    const std::vector<uint32_t>& unread) {
    run_with(readings);
    const std::vector<ElementValues> before = session.last_frame();
    for (double value : {9999.0, -9999.0, nan}) {
      for (uint32_t token : unread) session.set_token(token, value);
      run_with(readings);
      for (size_t needle = 1; needle < before.size(); ++needle)
        EXPECT_EQ(session.value(needle), before[needle].values.at(0)) << "needle " << needle << ", value " << value;
    }
  }

  void expect_records(const DialRecords& dial) {
    const GaugeDescription& gauge = session.description();
    EXPECT_EQ(gauge.gauge_name, dial.name);
    EXPECT_EQ(gauge.module_name, dial.name);
    ASSERT_EQ(gauge.elements.size(), dial.needles.size() + 1);
    EXPECT_EQ(gauge.elements[0].kind, ElementKind::static_image);
    EXPECT_EQ(gauge.elements[0].resource, dial.background);
    EXPECT_EQ(gauge.elements[0].position, (Point{0, 0}));
    for (size_t index = 0; index < dial.needles.size(); ++index) {
      const NeedleRecords& expected = dial.needles[index];
      const Element& element = gauge.elements[index + 1];
      SCOPED_TRACE("needle " + std::to_string(index + 1));
      EXPECT_EQ(element.kind, ElementKind::needle);
      EXPECT_EQ(element.resource, expected.bitmap);
      EXPECT_EQ(element.position, expected.pivot);
      EXPECT_EQ(element.offset, (Point{10, 11}));
      EXPECT_EQ(element.image_flags, 0x83u);
      EXPECT_EQ(element.failure_entries, 0u);
      EXPECT_EQ(element.needle.source.token, 0u);
      EXPECT_EQ(element.callbacks, std::vector<bool>{true});
      ASSERT_EQ(element.needle.calibration.size(), expected.calibration.size());
      for (size_t entry = 0; entry < expected.calibration.size(); ++entry) {
        const CalibrationPoint& point = element.needle.calibration[entry];
        EXPECT_EQ(point.point, expected.calibration[entry].first) << "entry " << entry + 1;
        EXPECT_EQ(point.value, expected.calibration[entry].second) << "entry " << entry + 1;
        EXPECT_EQ(point.simulator_field, 0.0) << "entry " << entry + 1;
      }
    }
    for (const Element& element : gauge.elements) EXPECT_EQ(element.image_flags, 0x83u);
    expect_pictures(dial);
    EXPECT_EQ(gauge.tooltip, dial.tooltip);
    EXPECT_TRUE(gauge.click_areas.empty());
    std::vector<MouseRectType> rect_types;
    for (const MouseRect& rect : gauge.mouse_rects) rect_types.push_back(rect.type);
    EXPECT_EQ(rect_types, (std::vector<MouseRectType>{MouseRectType::parent, MouseRectType::tooltip,
                                                      MouseRectType::end_parent, MouseRectType::end_list}));

    session.services().clear_lookups();
    session.run_frames(1);
    EXPECT_EQ(session.services().lookups(), dial.refresh_list);
  }

  // As the value rises through `values`, each step turns the placed needle
  // the way given, by less than half a turn.
  void expect_turns(size_t needle, uint32_t token, const std::vector<double>& values, Turn turn) {
    GaugeRenderer renderer(session.backend());
    std::optional<double> previous;
    for (double value : values) {
      run_with({{token, value}});
      const std::optional<double> angle = renderer.place(session.last_frame()).at(needle).angle;
      ASSERT_TRUE(angle.has_value()) << "token value " << value;
      if (previous) {
        const double step = angle_between(*previous, *angle);
        if (turn == Turn::clockwise)
          EXPECT_GT(step, 0.0) << "rising to " << value;
        else
          EXPECT_LT(step, 0.0) << "rising to " << value;
      }
      previous = angle;
    }
  }

  // Draws the gauge showing each mark's value and finds the drawn needle near
  // the mark: it must stand on the mark within `tolerance` degrees. The mark
  // angles are the artwork's, so this checks the artwork and the calibration
  // table against each other as the bench draws them.
  void expect_needle_on_marks(size_t needle, uint32_t token, const std::vector<Mark>& marks, double tolerance = 0.75) {
    GaugeRenderer renderer(session.backend());
    const GaugeImage background = renderer.draw_background();
    const Point pivot = session.description().elements.at(needle).position;
    for (const Mark& mark : marks) {
      run_with({{token, mark.token}});
      const GaugeImage drawn = renderer.draw_frame(session.last_frame());
      const std::optional<double> direction = drawn_needle_direction(drawn, background, pivot, mark.degrees);
      ASSERT_TRUE(direction.has_value()) << "no needle drawn near the mark at " << mark.degrees;
      EXPECT_NEAR(angle_between(*direction, mark.degrees), 0.0, tolerance) << "the mark at " << mark.degrees;
    }
  }

  GaugeSession session{GetParam().path};

 private:
  // The dial is 342 x 338 with a full palette, and every needle shows the
  // engine RPM indicator's needle picture, pixel for pixel.
  void expect_pictures(const DialRecords& dial) {
    const std::optional<std::vector<uint8_t>> background = session.backend().bitmap(dial.background);
    ASSERT_TRUE(background.has_value());
    const gauge::bmp::IndexedBitmap face = read_dib(*background);
    EXPECT_EQ(face.width, 342);
    EXPECT_EQ(face.height, 338);
    EXPECT_EQ(face.palette.size(), 256u);

    PanelServices reference_services;
    const auto reference = load_gauge_module(native_module("Tarvik_EngineRPM"), reference_services);
    const gauge::bmp::IndexedBitmap common_needle = read_dib(reference->bitmap(0x1900).value());
    EXPECT_EQ(common_needle.width, 137);
    EXPECT_EQ(common_needle.height, 23);
    for (const NeedleRecords& needle : dial.needles) {
      const std::optional<std::vector<uint8_t>> picture = session.backend().bitmap(needle.bitmap);
      ASSERT_TRUE(picture.has_value()) << "needle bitmap " << needle.bitmap;
      EXPECT_EQ(read_dib(*picture), common_needle) << "needle bitmap " << needle.bitmap;
    }
  }

  // The mean direction, about the pivot, of the light pixels the needles
  // changed within 15 degrees of `near`, on circles between the hub and the
  // numerals, where the needle's shaft is narrow and straight.
  static std::optional<double> drawn_needle_direction(const GaugeImage& drawn, const GaugeImage& background,
                                                      Point pivot, double near) {
    double sum = 0;
    int count = 0;
    for (double radius = 50; radius <= 85; radius += 5) {
      for (double offset = -15; offset <= 15; offset += 0.1) {
        const double radians = (near + offset) * std::numbers::pi / 180;
        const int x = static_cast<int>(std::lround(pivot.x + radius * std::sin(radians)));
        const int y = static_cast<int>(std::lround(pivot.y - radius * std::cos(radians)));
        const Rgba now = drawn.pixel(x, y);
        const Rgba before = background.pixel(x, y);
        const bool changed =
            std::abs(now.red - before.red) + std::abs(now.green - before.green) + std::abs(now.blue - before.blue) >
            150;
        if (changed && now.red > 180 && now.green > 180 && now.blue > 180) {
          sum += offset;
          ++count;
        }
      }
    }
    if (count == 0) return std::nullopt;
    return normalised_degrees(near + sum / count);
  }
};

}  // namespace bench::testing

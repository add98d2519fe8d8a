// The frame's life as the simulator drives it: services, the refresh of the
// token variables, power_on and the first draw, and the sound library binding.
// Run on the airspeed gauge, whose needle shows power_on (0 without power).
#include <gtest/gtest.h>

#include <limits>

#include "gauge_frame_services.h"
#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t airspeed = 0x3D;
constexpr uint32_t power = 0x301;
constexpr size_t needle = 1;
constexpr double cruise = 120.0;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

class LifecycleTest : public ::testing::TestWithParam<ModuleBuild> {
 protected:
  explicit LifecycleTest(SoundMode sound = SoundMode::present) : session(GetParam().path, sound) {
    session.set_token(airspeed, cruise);
  }

  // The needle's value asked for now, outside a frame, as the simulator may.
  double needle_now() { return session.backend().call_value(needle, 0); }
  void service(uint32_t number) { session.backend().call_service(number); }

  GaugeSession session;
};

TEST_P(LifecycleTest, PowerFollowsTheTokenTruncatedTowardZero) {
  session.add_instance();
  struct Case {
    double token;
    bool powered;
  };
  for (auto [token, powered] :
       {Case{0.999, false}, Case{1.0, true}, Case{1.7, true}, Case{-0.5, false}, Case{-1.0, true}, Case{0.0, false},
        Case{nan, false}, Case{1e300, true}, Case{-1e300, true}, Case{4294967296.0, true}, Case{2147483647.9, true}}) {
    session.set_token(power, token);
    session.run_frames(1);
    EXPECT_EQ(session.value(needle), powered ? cruise : 0.0) << "token 0x301 = " << token;
  }
}

TEST_P(LifecycleTest, FirstDrawResetsPowerUntilTheNextUpdate) {
  session.set_token(power, 1.0);
  session.add_instance();
  service(service::update);
  EXPECT_EQ(needle_now(), cruise);
  service(service::draw);  // the first draw after the module was loaded
  EXPECT_EQ(needle_now(), 0.0);
  service(service::draw);
  EXPECT_EQ(needle_now(), 0.0);
  service(service::update);
  EXPECT_EQ(needle_now(), cruise);
  service(service::draw);  // no longer the first
  EXPECT_EQ(needle_now(), cruise);
}

TEST_P(LifecycleTest, LaterInstancesSkipTheFirstDrawValues) {
  session.set_token(power, 1.0);
  session.add_instance();
  session.run_frames(1);
  session.kill_instance();
  session.add_instance();  // created after a kill
  session.add_instance();  // and a second one beside it
  service(service::update);
  service(service::draw);
  EXPECT_EQ(needle_now(), cruise);
}

TEST_P(LifecycleTest, OtherServiceNumbersDoNothing) {
  session.set_token(power, 1.0);
  session.add_instance();
  session.run_frames(2);
  session.services().clear_lookups();
  const SoundCounts before = session.services().sound().counts();
  session.set_token(power, 0.0);  // an update would now switch the power off
  for (uint32_t number : {0u, 1u, 2u, 3u, 5u, 7u, 8u, 9u, 11u, 13u, 100u, 0x80000000u, 0xFFFFFFFFu}) {
    service(number);
    EXPECT_EQ(needle_now(), cruise) << "service " << number;
  }
  EXPECT_TRUE(session.services().lookups().empty());
  EXPECT_EQ(session.services().sound().counts().loads, before.loads);
  EXPECT_EQ(session.services().sound().counts().releases, before.releases);
  EXPECT_TRUE(session.services().faults().empty());
}

TEST_P(LifecycleTest, UpdateRefreshesTheListOnceInOrder) {
  session.add_instance();
  session.services().clear_lookups();
  service(service::update);
  service(service::update);
  EXPECT_EQ(session.services().lookups(), (std::vector<uint32_t>{0x3D, 0x40, 0x301, 0x74, 0x3D, 0x40, 0x301, 0x74}));
}

TEST_P(LifecycleTest, SoundLibraryIsLoadedOnceAndReleasedAtKill) {
  session.add_instance();
  session.run_frames(3);
  const auto& sound = session.services().sound();
  EXPECT_EQ(sound.counts().loads, 1);
  EXPECT_TRUE(sound.loaded());
  session.kill_instance();
  EXPECT_EQ(sound.counts().terminate_calls, 1);
  EXPECT_EQ(sound.counts().releases, 1);
  EXPECT_FALSE(sound.loaded());
  EXPECT_TRUE(sound.faults().empty()) << sound.faults().front();
}

TEST_P(LifecycleTest, InstancesNeverReleaseMoreThanTheyLoaded) {
  // Two instances, killed one after the other, and a third created after both.
  session.add_instance();
  session.add_instance();
  session.run_frames(2);
  session.kill_instance();
  session.run_frames(1);  // the surviving instance's update finds the library released and loads it again
  session.kill_instance();
  session.add_instance();
  session.run_frames(1);
  session.kill_instance();
  const auto& sound = session.services().sound();
  EXPECT_EQ(sound.counts().releases, sound.counts().loads);
  EXPECT_EQ(sound.counts().terminate_calls, 3);
  EXPECT_FALSE(sound.loaded());
  EXPECT_TRUE(sound.faults().empty()) << sound.faults().front();
}

INSTANTIATE_TEST_SUITE_P(Builds, LifecycleTest, ::testing::ValuesIn(builds_of("Tarvon_Airspeed")), build_name);

// The same life with the sound library absent, or lacking TerminateSounds.
class LifecycleWithoutSoundTest : public LifecycleTest {
 protected:
  LifecycleWithoutSoundTest() : LifecycleTest(SoundMode::absent) {}
};

TEST_P(LifecycleWithoutSoundTest, GaugeLivesAndCallsNothingThroughMissingEntries) {
  session.set_token(power, 1.0);
  session.add_instance();
  session.run_frames(5);
  EXPECT_EQ(session.value(needle), cruise);
  session.kill_instance();
  const auto& sound = session.services().sound();
  EXPECT_EQ(sound.counts().loads, 0);
  EXPECT_EQ(sound.counts().releases, 0);
  EXPECT_EQ(sound.counts().terminate_calls, 0);
  EXPECT_TRUE(sound.faults().empty()) << sound.faults().front();
  EXPECT_TRUE(session.services().faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Builds, LifecycleWithoutSoundTest, ::testing::ValuesIn(builds_of("Tarvon_Airspeed")),
                         build_name);

class LifecycleWithoutTerminateTest : public LifecycleTest {
 protected:
  LifecycleWithoutTerminateTest() : LifecycleTest(SoundMode::no_terminate) {}
};

TEST_P(LifecycleWithoutTerminateTest, KillSkipsTheMissingEntryAndStillReleases) {
  session.add_instance();
  session.run_frames(2);
  session.kill_instance();
  const auto& sound = session.services().sound();
  EXPECT_EQ(sound.counts().loads, 1);
  EXPECT_EQ(sound.counts().releases, 1);
  EXPECT_EQ(sound.counts().terminate_calls, 0);
  EXPECT_TRUE(sound.faults().empty()) << sound.faults().front();
}

INSTANTIATE_TEST_SUITE_P(Builds, LifecycleWithoutTerminateTest, ::testing::ValuesIn(builds_of("Tarvon_Airspeed")),
                         build_name);

}  // namespace
}  // namespace bench::testing

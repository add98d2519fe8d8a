#include "gauge_session.h"

#include "gauge_frame_services.h"

namespace bench {

GaugeSession::GaugeSession(const std::filesystem::path& module, SoundMode sound_mode)
    : services_(sound_mode), backend_(load_gauge_module(module, services_)) {}

GaugeSession::~GaugeSession() {
  try {
    kill_all();
  } catch (...) {
    // A module that fails while being killed is reported by the caller's own
    // kill; a destructor has no one to tell.
  }
}

void GaugeSession::add_instance() {
  backend_->call_service(service::initialize);
  ++live_instances_;
}

void GaugeSession::kill_instance() {
  if (live_instances_ == 0) return;
  --live_instances_;
  backend_->call_service(service::kill);
}

void GaugeSession::kill_all() {
  while (live_instances_ > 0) kill_instance();
}

void GaugeSession::run_frames(int count) {
  const auto& elements = description().elements;
  for (int frame = 0; frame < count; ++frame) {
    for (int instance = 0; instance < live_instances_; ++instance) {
      backend_->call_service(service::update);
      std::vector<ElementValues> values(elements.size());
      for (size_t element = 0; element < elements.size(); ++element) {
        for (size_t axis = 0; axis < elements[element].callbacks.size(); ++axis) {
          values[element].values.push_back(backend_->call_value(element, axis));
        }
        values[element].state = backend_->element_state(element);
      }
      backend_->call_service(service::draw);
      last_frame_ = std::move(values);
    }
  }
}

double GaugeSession::value(size_t element, size_t axis) const {
  return last_frame_.at(element).values.at(axis);
}

bool GaugeSession::click(Point point) {
  for (const auto& area : description().click_areas) {
    if (area.box.contains(point)) {
      backend_->call_mouse(area.rect_index, point, area.mouse_flags);
      return true;
    }
  }
  return false;
}

}  // namespace bench

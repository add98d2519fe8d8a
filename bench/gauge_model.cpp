#include "gauge_model.h"

namespace bench {

std::string_view kind_name(ElementKind kind) {
  switch (kind) {
    case ElementKind::static_image:
      return "static";
    case ElementKind::needle:
      return "needle";
    case ElementKind::string:
      return "string";
    case ElementKind::icon:
      return "icon";
    case ElementKind::moving_image:
      return "moving";
    case ElementKind::sprite:
      return "sprite";
  }
  return "static";
}

}  // namespace bench

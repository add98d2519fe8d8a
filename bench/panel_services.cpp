#include "panel_services.h"

namespace bench {

double PanelServices::token(uint32_t token) const {
  auto found = tokens_.find(token);
  return found == tokens_.end() ? 0.0 : found->second;
}

double PanelServices::lookup_var(uint32_t token) {
  lookups_.push_back(token);
  return this->token(token);
}

}  // namespace bench

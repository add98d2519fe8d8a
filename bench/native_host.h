// The process-wide side of native modules: they call back into the bench
// through plain functions (the panel table's slots and the Windows loader
// functions), so the services of the module being called are made current
// for the length of each call.
#pragma once

#include "gauge_records.h"
#include "panel_services.h"

namespace bench {

class CurrentServices {
 public:
  explicit CurrentServices(PanelServices& services);
  ~CurrentServices();
  CurrentServices(const CurrentServices&) = delete;
  CurrentServices& operator=(const CurrentServices&) = delete;

 private:
  PanelServices* previous_;
};

// The panel function table handed to native modules; every slot but
// trigger_key_event and lookup_var reports itself as unsupported.
PANELS* native_panel_table();

}  // namespace bench

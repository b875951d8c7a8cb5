#pragma once

namespace fans {

// The two fan catalogue tables: general-ventilation fans (duct, roof, pressurization) and smoke-exhaust fans.
enum class CatalogueKind { General, Smoke };

} // namespace fans

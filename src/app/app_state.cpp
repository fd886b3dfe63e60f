#include "app/app_state.h"

#include "gfxeditor/gfx_session.h"
#include "pipeline/memory_image.h"
#include "pipeline/region_map.h"

namespace quillo {

AppState::AppState(Settings& settings, std::string programFolder, std::string helpRoot)
    : settings_(settings),
      programFolder_(std::move(programFolder)),
      helpRoot_(helpRoot.empty() ? programFolder_ : std::move(helpRoot)),
      regions_(std::make_unique<RegionMap>()),
      image_(std::make_unique<MemoryImage>()),
      font_(WorkingFont::startUp()),
      gfx_(std::make_unique<GfxSession>()) {}

AppState::~AppState() = default;

}  // namespace quillo

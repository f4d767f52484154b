// COM start-up state, shared with object creation.
#pragma once

namespace wincore {

bool ComInitialized();

}  // namespace wincore

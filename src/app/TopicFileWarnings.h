// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace brevio {

// What a topic file says that its loader takes without complaint but its writer surely did not
// mean: an answer cut at an unquoted comma, an answer longer than 45 characters, a topic under
// the name of a built-in one. `text` is the whole file; one line of warning per finding, in
// file order, each naming the topic.
std::vector<std::string> TopicFileWarnings(const std::string& text);

}  // namespace brevio

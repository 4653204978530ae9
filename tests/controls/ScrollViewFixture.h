// Former home of the recording-root fixture, now in ControlTestSupport.h; kept
// so that tests written against the old names still compile.
#pragma once

#include "ControlTestSupport.h"

namespace controltest {
class ControlTest : public testsupport::RootTest {};
class RootFixture : public ControlTest {};
using testsupport::eventsOf;
using testsupport::raisedEvents;
using testsupport::rectOf;
} // namespace controltest

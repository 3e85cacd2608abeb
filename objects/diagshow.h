// Shows the pending diagnosis of an object's last implementation: its own
// collector, else its parser's.  False when there is none to show.
#pragma once

class fu;

bool showdiagnosis(fu& object);

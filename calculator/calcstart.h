// The calculators' start: the objects' start (objects/hooks.h), then the
// kinds of user object that live in this layer.
#pragma once

void startcalculator();

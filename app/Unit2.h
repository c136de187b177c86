// Module Unit2, the fitting-room window (TForm2).
#pragma once

#include "app/fitting_room.h"

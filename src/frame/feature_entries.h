// Declares every routine that a row of the feature table names: the headers
// of the subsystems that implement the plug-in's names.
#pragma once

#include "calendar/long_years.h"
#include "calendar/variables.h"
#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "datefuncs/weekday_search.h"
#include "help/help.h"
#include "holidays/floating_functions.h"
#include "holidays/holiday_functions.h"
#include "numerals/ordinal.h"
#include "numerals/roman.h"
#include "picker/pick_date.h"
#include "qcal/qcal_command.h"
#include "times/time_functions.h"

#pragma once
#include "b/two.h"

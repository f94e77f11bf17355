#pragma once
// The launcher window.

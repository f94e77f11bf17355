#pragma once
// The game window's menu bar: "&Opzioni" and "&Help".

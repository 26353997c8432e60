// Status texts of the conversion run, as code page 932 bytes.
#pragma once

// "実行中" (running)
#define RUN_STATUS_RUNNING "\x8e\xc0\x8d\x73\x92\x86"
// "終了" (finished)
#define RUN_STATUS_FINISHED "\x8f\x49\x97\xb9"

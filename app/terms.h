// The disclaimer every new version must have accepted before it runs.
#pragma once

// True when start-up may go on: accepted before, or accepted now and recorded.
bool CheckTermsAccepted();

// The add-in's per-process state starts here.

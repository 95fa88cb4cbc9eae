// The ui layer starts here.

// The settings layer starts here.

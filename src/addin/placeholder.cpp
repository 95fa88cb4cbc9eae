// The add-in proper starts here.

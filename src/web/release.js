// Which release the game is: the page starts no game of another.
Module.gameRelease = '@PROJECT_VERSION@';

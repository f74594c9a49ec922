// Runs inside each program built for a browser before it starts. The file
// system of emscripten 3.1.6 keeps a file that another was renamed over in its
// table of names, so the old file comes back once its successor is renamed or
// removed: a save that renames a new hs.hsd over the old one would bring the
// old table back at the next. The file renamed over is dropped here.
Module['preRun'] = [].concat(Module['preRun'] || [], () => {
  const rename = FS.rename;
  FS.rename = (from, to) => {
    let replaced = null;
    try {
      replaced = FS.lookupPath(to).node;
    } catch (nothingThere) {
      // a rename to a free name
    }
    rename(from, to);
    if (replaced && FS.lookupPath(to).node !== replaced)
      FS.hashRemoveNode(replaced);
  };
});

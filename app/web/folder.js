// Runs inside the game's module before it starts: gives the game its folder,
// which lives in the tab's memory and is kept in the browser's IndexedDB, and
// the Japanese gothic it draws every text in (a page has no system fonts).
//
// Each tab holds a copy of the folder. A file a tab changes goes to the
// browser's storage once the game hands back control; the other tabs hear of
// it and take it. A file passes either way only when it is newer than the
// copy it replaces, and nothing is ever deleted there, so two tabs keep both
// their files as two games in one directory do.

const zentapFolder = '/zentap3';
const zentapChannel = typeof BroadcastChannel === 'undefined' ? null : new BroadcastChannel('zentap3-folder');
let zentapSyncs = Promise.resolve();

// Copies, in one IndexedDB transaction, each file of the folder that is newer
// on one side (the tab's memory, or the browser's storage) to the other.
function zentapCopyNewer(toBrowser) {
  return new Promise((resolve, reject) => {
    const mount = FS.lookupPath(zentapFolder).node.mount;
    IDBFS.getLocalSet(mount, (localError, local) => {
      if (localError) return reject(localError);
      IDBFS.getRemoteSet(mount, (remoteError, remote) => {
        if (remoteError) return reject(remoteError);
        const source = toBrowser ? local : remote;
        const target = toBrowser ? remote : local;
        const newer = Object.keys(source.entries).filter((path) => !target.entries[path] ||
          source.entries[path].timestamp.getTime() > target.entries[path].timestamp.getTime());
        if (newer.length === 0) return resolve();
        const transaction = remote.db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
        const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
        transaction.oncomplete = () => resolve();
        transaction.onabort = () => reject(transaction.error || new Error('not copied'));
        const failed = (error) => { if (error) transaction.abort(); };
        for (const path of newer.sort()) {
          if (toBrowser)
            IDBFS.loadLocalEntry(path, (error, entry) => error ? failed(error) : IDBFS.storeRemoteEntry(store, path, entry, failed));
          else
            IDBFS.loadRemoteEntry(store, path, (error, entry) => error ? failed(error) : IDBFS.storeLocalEntry(path, entry, failed));
        }
      });
    });
  });
}

// One copy at a time, in the order asked for: a tab's own save always reaches
// the browser before the tab takes anything newer from there.
function zentapSync(toBrowser) {
  zentapSyncs = zentapSyncs.then(() => zentapCopyNewer(toBrowser)).then(() => {
    if (toBrowser && zentapChannel)
      zentapChannel.postMessage('changed');
  }, (error) => console.warn('zentap3: the browser did not keep the folder:', error));
  return zentapSyncs;
}

Module['zentapKeepFolder'] = () => zentapSync(true);
// Settles once every copy asked for so far is done.
Module['zentapStored'] = () => zentapSyncs;
if (zentapChannel)
  zentapChannel.onmessage = () => zentapSync(false);

// The folder's files (hs.hsd and its backups) as the page offers them.
Module['zentapFiles'] = () => FS.readdir(zentapFolder)
  .filter((name) => FS.isFile(FS.stat(zentapFolder + '/' + name).mode))
  .map((name) => ({ name, bytes: FS.readFile(zentapFolder + '/' + name) }));

Module['preRun'] = [].concat(Module['preRun'] || [], () => {
  FS.mkdir(zentapFolder);
  FS.mount(IDBFS, {}, zentapFolder);
  FS.chdir(zentapFolder);
  addRunDependency('zentap3-folder');
  zentapSync(false).then(() => removeRunDependency('zentap3-folder'));

  // Where the game looks for the gothic it ships: fonts/ beside the program.
  addRunDependency('zentap3-font');
  fetch(locateFile('fonts/ipagp.ttf'))
    .then((response) => response.ok ? response.arrayBuffer() : Promise.reject(response.statusText))
    .then((font) => {
      FS.mkdirTree('/fonts');
      FS.writeFile('/fonts/ipagp.ttf', new Uint8Array(font));
    }, (error) => console.warn('zentap3: no Japanese font:', error))
    .then(() => removeRunDependency('zentap3-font'));
});

// Makes catalogue rows away from the page, so that it stays usable. A failure
// is answered with its message: a promise's rejection would not reach the page.
import createTambreloxCore from './tambrelox_core.js';
import { catalogueRows } from './catalogue_rows.js';

const coreLoading = createTambreloxCore();

onmessage = async ({ data }) => {
  try {
    postMessage(catalogueRows(await coreLoading, data));
  } catch (error) {
    postMessage(String(error));
  }
};
